#include "platform/data/PrefijoAdmin.h"

#include "platform/base/Ajustes.h"

namespace {

const QLatin1String Marca("@ADMIN_");

bool esDeNombre(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

// Where the text from `i` stops being skipped: the end of a string literal,
// a quoted name or a comment that starts there; `i` itself when none does.
qsizetype saltaNoSentencia(const QString& sql, qsizetype i)
{
    const qsizetype n = sql.size();
    const QChar c = sql[i];
    if (c == u'\'' || c == u'"' || c == u'[') {
        const QChar cierre = c == u'[' ? QChar(u']') : c;
        qsizetype j = i + 1;
        while (j < n) {
            if (sql[j] == cierre) {
                // A doubled closing character stands for itself.
                if (j + 1 < n && sql[j + 1] == cierre) {
                    j += 2;
                    continue;
                }
                return j + 1;
            }
            ++j;
        }
        return n;
    }
    if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
        const qsizetype fin = sql.indexOf(u'\n', i);
        return fin < 0 ? n : fin;
    }
    if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
        const qsizetype fin = sql.indexOf(QLatin1String("*/"), i + 2);
        return fin < 0 ? n : fin + 2;
    }
    return i;
}

}  // namespace

QString PrefijoAdmin()
{
    return Ajustes::valor(QStringLiteral("datos/prefijo_admin"), "ESCANEO_PREFIJO_ADMIN", QStringLiteral("ADMIN_"))
        .trimmed();
}

QString AplicaPrefijoAdmin(const QString& sql)
{
    // Most statements name no such table: they cost a search for the "@"
    // (far quicker than one that ignores case) and no reading of the settings.
    if (!sql.contains(u'@') || !sql.contains(Marca, Qt::CaseInsensitive))
        return sql;
    const QString prefijo = PrefijoAdmin();
    QString resultado;
    resultado.reserve(sql.size() + prefijo.size());
    const qsizetype n = sql.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype fin = saltaNoSentencia(sql, i);
        if (fin > i) {
            resultado += QStringView(sql).mid(i, fin - i);
            i = fin;
            continue;
        }
        const bool comienzaNombre = i == 0 || !esDeNombre(sql[i - 1]);
        if (comienzaNombre && QStringView(sql).mid(i).startsWith(Marca, Qt::CaseInsensitive)) {
            resultado += prefijo;
            i += Marca.size();
            continue;
        }
        resultado += sql[i];
        ++i;
    }
    return resultado;
}
