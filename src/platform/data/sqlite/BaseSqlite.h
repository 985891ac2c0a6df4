#pragma once

#include "platform/data/ErroresDatos.h"

#include <QHash>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// One open SQLite file, shared by the engine and the writers of the
// recordsets it opened, so a recordset that outlives its connection finds it
// closed instead of dangling.
struct BaseSqlite {
    ~BaseSqlite();
    BaseSqlite() = default;
    BaseSqlite(const BaseSqlite&) = delete;
    BaseSqlite& operator=(const BaseSqlite&) = delete;

    // The statement compiled once and kept; raises the mapped error.
    sqlite3_stmt* prepara(const QString& sql, ErroresDatos* errores);
    void cierra();
    // Work that outlives the statement that began it (a recordset's writes,
    // a prepared query's runs) starts here: raises 3704 once the file is
    // closed, else clears the connection's error collection.
    void comienza();

    sqlite3* db = nullptr;
    QString archivo;
    QString usuario;
    // The connection's error collection while the connection is open.
    ErroresDatos* errores = nullptr;
    // Nesting of BEGIN TRANSACTION as the server counts it.
    int nivelTransaccion = 0;

private:
    QHash<QString, sqlite3_stmt*> preparadas_;
};
