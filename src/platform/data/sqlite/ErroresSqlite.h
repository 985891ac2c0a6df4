#pragma once

#include "platform/data/ErroresDatos.h"

#include <QString>

struct sqlite3;

// A rejected statement as the server reports it: added to the collection
// (when there is one) and raised as Err with the server's text.
[[noreturn]] void LanzaErrorServidor(long nativo, const QString& mensaje, const QString& estado,
                                     ErroresDatos* errores);
// The engine's last error on `db`, with the server's native number
// (NumeroNativo) for the cases callers test.
[[noreturn]] void LanzaErrorSqlite(sqlite3* db, ErroresDatos* errores);
