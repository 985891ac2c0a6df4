#include "daterange/Periodos.h"

#include "platform/base/Err.h"
#include "platform/base/FechaCorta.h"

namespace {

int Entero(const QString& texto)
{
    bool ok = false;
    const int valor = texto.trimmed().toInt(&ok);
    if (!ok)
        throw Err(NumeroError::TiposNoCoinciden, QStringLiteral("No coinciden los tipos"));
    return valor;
}

QString DosCifras(int numero)
{
    return QString::number(numero).rightJustified(2, QLatin1Char('0'));
}

// The first and last day of the month of `dia`, written by hand.
RangoDeFechas Mes(const QDate& dia)
{
    const QString mesAnio = DosCifras(dia.month()) + QLatin1Char('/') + QString::number(dia.year());
    const QString mes = QString::number(dia.month());
    const QString anio = QString::number(dia.year());
    return {QStringLiteral("01/") + mesAnio,
            QString::number(UltimoDiaDelMes(mes, anio)) + QLatin1Char('/') + mesAnio};
}

RangoDeFechas Anio(int anio)
{
    return {QStringLiteral("01/01/") + QString::number(anio), QStringLiteral("31/12/") + QString::number(anio)};
}

RangoDeFechas Dias(const QDate& desde, const QDate& hasta)
{
    return {TextoFechaCorta(desde), TextoFechaCorta(hasta)};
}

bool Es(const QString& periodo, QStringView nombre)
{
    return periodo.compare(nombre, Qt::CaseInsensitive) == 0;
}

}

QStringList NombresDePeriodos()
{
    return {QStringLiteral("Fecha"),      QStringLiteral("Semana Actual"), QStringLiteral("Semana Proxima"),
            QStringLiteral("Semana Pasada"), QStringLiteral("Mes Actual"),  QStringLiteral("Año Actual"),
            QStringLiteral("Mes Pasado"), QStringLiteral("Año pasado"),    QStringLiteral("Todo")};
}

std::optional<RangoDeFechas> RangoDePeriodo(const QString& periodo, const QDate& hoy)
{
    const QString p = periodo.trimmed();
    // Sunday of this week: the weekday counts from Sunday = 1.
    const QDate domingo = hoy.addDays(1 - DiaDeLaSemana(hoy).toInt());
    if (Es(p, u"Mes Actual"))
        return Mes(hoy);
    if (Es(p, u"Año Actual"))
        return Anio(hoy.year());
    if (Es(p, u"Año Pasado"))
        return Anio(hoy.year() - 1);
    if (Es(p, u"Mes Pasado"))
        return Mes(hoy.addMonths(-1));
    if (Es(p, u"Semana Actual"))
        return Dias(domingo, domingo.addDays(6));
    if (Es(p, u"Semana Pasada"))
        return Dias(domingo.addDays(-7), domingo.addDays(-1));
    if (Es(p, u"Fecha"))
        return Dias(hoy, hoy);
    if (Es(p, u"Semana Proxima"))
        return Dias(domingo.addDays(7), domingo.addDays(13));
    // The search's own bounds: from before any voucher to its upper default.
    if (Es(p, u"Todo"))
        return RangoDeFechas{QStringLiteral("01/01/1980"), QStringLiteral("01/01/2200")};
    return std::nullopt;
}

QString DiaDeLaSemana(const QVariant& fecha)
{
    QDate dia;
    if (fecha.typeId() == QMetaType::QDate || fecha.typeId() == QMetaType::QDateTime)
        dia = fecha.toDate();
    else if (fecha.typeId() == QMetaType::QString)
        dia = FechaDelOperador(fecha.toString()).date();
    if (!dia.isValid())
        return QString();
    // Qt counts from Monday = 1 to Sunday = 7.
    return QString::number(dia.dayOfWeek() % 7 + 1);
}

int16_t UltimoDiaDelMes(const QString& mes, const QString& anio)
{
    const QDate ultimo = QDate(Entero(anio), 1, 1).addMonths(Entero(mes)).addDays(-1);
    if (!ultimo.isValid())
        throw Err(NumeroError::LlamadaInvalida, QStringLiteral("Argumento o llamada a procedimiento no válida"));
    return int16_t(ultimo.day());
}
