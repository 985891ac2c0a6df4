#include "platform/base/FechaCorta.h"

QDateTime FechaDelOperador(const QString& texto)
{
    static const char* formatos[] = {"d/M/yyyy H:mm:ss", "d/M/yyyy H:mm", "d/M/yyyy",
                                     "d/M/yy H:mm:ss",   "d/M/yy H:mm",   "d/M/yy"};
    const QString limpio = texto.trimmed();
    for (const char* f : formatos) {
        QDateTime d = QDateTime::fromString(limpio, QLatin1String(f));
        if (!d.isValid())
            continue;
        if (!QLatin1String(f).contains(QLatin1String("yyyy")) && d.date().year() < 1930)
            d = d.addYears(100);
        return d;
    }
    return {};
}

QString TextoFechaCorta(const QDate& fecha)
{
    return fecha.toString(QStringLiteral("dd/MM/yyyy"));
}
