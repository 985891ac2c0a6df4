#pragma once

#include "platform/data/odbc/OdbcFilas.h"

#include <QByteArray>
#include <QVariant>

#include <vector>

// Values bound to a statement's "?" markers, in order. The values stay here,
// where the driver reads them, until the statement has run.
class ParametrosOdbc {
public:
    // `columna` is the described column the value is written to or compared
    // with; its SQL type is what the server is told. A column of unknown type
    // takes the type of the value.
    void agrega(const QVariant& valor, const ColumnaOdbc& columna);
    // Binds every value; the first failing call's result, or SQL_SUCCESS.
    SQLRETURN enlaza(SQLHSTMT st);

private:
    struct Parametro {
        SQLSMALLINT tipoC = SQL_C_CHAR;
        SQLSMALLINT tipoSql = SQL_VARCHAR;
        SQLULEN tamano = 1;
        SQLSMALLINT decimales = 0;
        QByteArray datos;
        SQLBIGINT entero = 0;
        SQLDOUBLE real = 0;
        SQLCHAR bit = 0;
        SQL_TIMESTAMP_STRUCT fecha = {};
        SQLLEN indicador = 0;
    };
    std::vector<Parametro> lista_;
};
