#pragma once

#include "platform/data/FechasLocales.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <vector>

struct sqlite3_stmt;

// What a column's declared type says about its values.
enum class TipoColumna { Libre, Fecha, Logico };

TipoColumna TipoDeclarado(const char* tipo);

// The values of a statement's result columns, each column's declared type
// worked out once. A value is null, qlonglong, double, QString, QByteArray;
// dates of date columns as QDateTime, flags of BIT columns as bool. An
// expression column (no declared type) whose text is exactly
// "yyyy-mm-dd hh:mm:ss", as getdate() gives, is a date too. A date text
// that is no local time (the hour skipped when the clocks go forward) stays
// text.
class ValoresColumnas {
public:
    explicit ValoresColumnas(sqlite3_stmt* st);
    // Into `valor`, whose storage is reused when it held a value of the same
    // kind, as the same column of the row before usually does.
    void lee(sqlite3_stmt* st, int columna, QVariant& valor);
    // Dates built so far are built again: the zone may have changed.
    void olvidaFechas() { fechas_.olvida(); }

private:
    std::vector<TipoColumna> tipos_;
    FechasLocales fechas_;
};

// Binds a value; dates are stored as ISO text. Into a date column a text is
// read as ISO or as the workstation's day/month/year; other text raises
// Err 13.
void EnlazaValor(sqlite3_stmt* st, int indice, const QVariant& valor, bool columnaFecha);

QString TextoFechaIso(const QDateTime& fecha);
// Invalid when the text is not an ISO date (with or without time).
QDateTime FechaIso(const QString& texto);
