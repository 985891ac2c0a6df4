#pragma once

#include "platform/data/ErroresDatos.h"
#include "platform/data/sql/AdaptadorSql.h"
#include "platform/data/sqlite/CachePorTexto.h"
#include "platform/data/sqlite/EsperaSqlite.h"

#include <QSet>
#include <QString>

#include <memory>
#include <unordered_set>
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

    // The statement, handed out reset and with no values bound, valid until
    // the next call; raises the mapped error. A text used again is compiled
    // once and kept. Once a statement that changes the schema has run, every
    // kept statement is compiled again.
    sqlite3_stmt* prepara(const QString& sql, ErroresDatos* errores);
    // The same, owned by the caller while a reader steps it, so the same
    // text run meanwhile gets a statement of its own; devuelve() keeps it
    // again.
    sqlite3_stmt* toma(const QString& sql, ErroresDatos* errores);
    void devuelve(const QString& sql, sqlite3_stmt* st);
    // The system's text adapted for the engine, valid until the next call;
    // a text used again is adapted once and kept.
    const std::vector<SentenciaAdaptada>& adaptado(const QString& sql);
    // Called before anything else runs on the connection, and by cierra():
    // statements then run, and the file closes, as if every open reader had
    // read all its rows when it opened.
    void suspendeLecturas();
    void cierra();
    // Work that outlives the statement that began it (a recordset's writes,
    // a prepared query's runs) starts here: raises 3704 once the file is
    // closed, else clears the connection's error collection.
    void comienza();

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
    struct Finaliza {
        void operator()(sqlite3_stmt* st) const;
    };
    struct Compilada {
        std::unique_ptr<sqlite3_stmt, Finaliza> st;
        bool cambiaEsquema = false;
    };

    void vigila();
    Compilada compila(const QString& sql, ErroresDatos* errores, bool guarda);

    // Enough for every statement a screen repeats.
    CachePorTexto<Compilada> preparadas_{200};
    CachePorTexto<std::vector<SentenciaAdaptada>> adaptados_{200};
    // Statements taken on their text's first use: given back, they go.
    std::unordered_set<sqlite3_stmt*> deUnaVez_;
    bool vigilada_ = false;
    bool esquemaCambiado_ = false;
};
