#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

struct sqlite3_stmt;

// What a column's declared type says about its values.
enum class TipoColumna { Libre, Fecha, Logico };

TipoColumna TipoDeclarado(const char* tipo);
// The value of a result column: null, qlonglong, double, QString, QByteArray;
// dates of date columns as QDateTime, flags of BIT columns as bool. An
// expression column (no declared type) whose text is exactly
// "yyyy-mm-dd hh:mm:ss", as getdate() gives, is a date too.
QVariant LeeValor(sqlite3_stmt* st, int columna, TipoColumna tipo);
// Binds a value; dates are stored as ISO text. Into a date column a text is
// read as ISO or as the workstation's day/month/year; other text raises
// Err 13.
void EnlazaValor(sqlite3_stmt* st, int indice, const QVariant& valor, bool columnaFecha);

QString TextoFechaIso(const QDateTime& fecha);
// Invalid when the text is not an ISO date (with or without time).
QDateTime FechaIso(const QString& texto);
