#pragma once

#include "platform/data/ErroresDatos.h"
#include "platform/data/sql/AdaptadorSql.h"
#include "platform/data/sqlite/CachePorTexto.h"

#include <QString>

#include <memory>
#include <vector>

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

    // The statement, handed out reset and with no values bound, valid until
    // the next call; raises the mapped error. A text used again is compiled
    // once and kept. Once a statement that changes the schema has run, every
    // kept statement is compiled again.
    sqlite3_stmt* prepara(const QString& sql, ErroresDatos* errores);
    // The system's text adapted for the engine, valid until the next call;
    // a text used again is adapted once and kept.
    const std::vector<SentenciaAdaptada>& adaptado(const QString& sql);
    void cierra();

    sqlite3* db = nullptr;
    QString archivo;
    QString usuario;
    // The connection's error collection while the connection is open.
    ErroresDatos* errores = nullptr;
    // Nesting of BEGIN TRANSACTION as the server counts it.
    int nivelTransaccion = 0;

private:
    struct Finaliza {
        void operator()(sqlite3_stmt* st) const;
    };
    struct Compilada {
        std::unique_ptr<sqlite3_stmt, Finaliza> st;
        bool cambiaEsquema = false;
    };

    // Enough for every statement a screen repeats.
    CachePorTexto<Compilada> preparadas_{200};
    CachePorTexto<std::vector<SentenciaAdaptada>> adaptados_{200};
    bool vigilada_ = false;
    bool esquemaCambiado_ = false;
};
