#pragma once

#include "platform/data/ErroresDatos.h"
#include "platform/data/sqlite/EsperaSqlite.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// A reader still stepping one of the connection's statements. While it
// steps, the connection's read transaction stays open: writes on it would not
// commit and other connections' commits would not show.
class LecturaAbierta {
public:
    // Reads the rest of the rows into memory and gives the statement back.
    virtual void suspende() = 0;

protected:
    ~LecturaAbierta() = default;
};

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
    // The same, kept out of the cache while a reader steps it, so the same
    // text run meanwhile gets a statement of its own; devuelve() puts it back.
    sqlite3_stmt* toma(const QString& sql, ErroresDatos* errores);
    void devuelve(const QString& sql, sqlite3_stmt* st);
    // Called before anything else runs on the connection, and by cierra():
    // statements then run, and the file closes, as if every open reader had
    // read all its rows when it opened.
    void suspendeLecturas();
    void cierra();

    std::vector<LecturaAbierta*> lecturas;  // each one in while it steps

    sqlite3* db = nullptr;
    QString archivo;
    QString usuario;
    // The connection's error collection while the connection is open.
    ErroresDatos* errores = nullptr;
    // Nesting of BEGIN TRANSACTION as the server counts it.
    int nivelTransaccion = 0;
    EsperaSqlite espera;
    // Databases that sp_addlogin found missing: CREATE DATABASE then takes
    // one that another program made in the meantime.
    QSet<QString> basesAusentes;

private:
    QHash<QString, sqlite3_stmt*> preparadas_;
};
