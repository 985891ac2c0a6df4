#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <optional>

// The named periods of the date-range control and the dates each one gives
// on a given day, apart from any widget so any "today" can be tried.

// The names in the order the control lists them.
QStringList NombresDePeriodos();

struct RangoDeFechas {
    QString desde;
    QString hasta;
};

// The range a period gives when today is `hoy`; nothing for a text that
// names no period. Names are compared trimmed and ignoring case. Month and
// year periods write "dd/mm/yyyy" by hand; the others the short-date form.
std::optional<RangoDeFechas> RangoDePeriodo(const QString& periodo, const QDate& hoy);

// The day of the week of a date (a date value or a date text), Sunday "1"
// to Saturday "7"; empty when it is no date.
QString DiaDeLaSemana(const QVariant& fecha);

// The last day of a month, given month and year as texts of whole numbers;
// a month past 12 or below 1 runs on into the next or back into the previous
// years, as a date built from parts does. Raises Err 13 for a text that is
// no number.
int16_t UltimoDiaDelMes(const QString& mes, const QString& anio);
