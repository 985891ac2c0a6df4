#pragma once

#include "platform/data/odbc/OdbcFilas.h"
#include "platform/data/odbc/OdbcParametros.h"

#include <QString>

// Runs a statement or batch as it stands, with the parameters bound when
// given, and drains every result it produces. `errores` is cleared first and
// then receives each result's errors (never informational messages). The
// first result with columns is read into `filas` when given. Returns the rows
// the statements affected; raises Err (ErrorDelServidor, the first error's
// text, source "ODBC") when any part failed, after the errors are in place.
long ejecutaOdbc(const EnlaceOdbc& enlace, const QString& sql, ErroresDatos& errores,
                 ParametrosOdbc* parametros = nullptr, ResultadoOdbc* filas = nullptr);
