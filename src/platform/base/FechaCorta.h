#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// The workstation's short-date form, the one operators type and read:
// day/month/year.

// A date typed in that form, "d/M/yyyy" or "d/M/yy" (years 1930 to 2029),
// with an optional time "H:mm" or "H:mm:ss"; blanks around it are ignored.
// Invalid when the text is no such date, "31/02/2015" included.
QDateTime FechaDelOperador(const QString& texto);

// A date in that form, "dd/MM/yyyy".
QString TextoFechaCorta(const QDate& fecha);
