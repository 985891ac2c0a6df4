#pragma once

#include "platform/data/odbc/OdbcEnlace.h"

#include <QString>
#include <QVariant>
#include <QVector>

#include <vector>

// A result column as the driver describes it.
struct ColumnaOdbc {
    QString nombre;
    SQLSMALLINT tipo = SQL_UNKNOWN_TYPE;
    SQLULEN tamano = 0;
    SQLSMALLINT decimales = 0;
};

struct ResultadoOdbc {
    std::vector<ColumnaOdbc> columnas;
    QVector<QVector<QVariant>> filas;
};

// Reads every row of the statement's current result. Integers come as
// qlonglong, bits as bool, floats as double, dates and times as QDateTime,
// binary data as QByteArray, everything else as QString; NULL is a null
// QVariant. DECIMAL and NUMERIC are read as the driver's text, so no digit is
// lost on the way, and then given as qlonglong when they have no scale, else
// as double, the form every engine of the system hands out for amounts.
// Returns the first failing call's result, or SQL_SUCCESS.
SQLRETURN leeResultado(SQLHSTMT st, ResultadoOdbc& resultado);
