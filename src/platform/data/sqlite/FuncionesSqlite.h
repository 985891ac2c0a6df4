#pragma once

#include <QString>

struct sqlite3;

// The server's functions that the system's SQL calls and the engine lacks
// (len, getdate, sqlsrv_isnull, sqlsrv_left, sqlsrv_right,
// sqlsrv_system_user, sqlsrv_suma), Unicode upper/lower, and the SQLSRV
// collation that the schema declares on every text column (case ignored by
// Unicode folding, trailing blanks ignored). `usuario` is the login
// SYSTEM_USER reports; it must outlive the connection (may be null).
void RegistraFuncionesSqlite(sqlite3* db, const QString* usuario);
