#include "platform/data/sqlite/BaseSqlite.h"

#include "platform/data/NumeroNativo.h"
#include "platform/data/sqlite/ErroresSqlite.h"

#include <sqlite3.h>

namespace {
// Enough for every statement a screen repeats; the cache starts over past it.
constexpr int maximoPreparadas = 200;
}

BaseSqlite::~BaseSqlite()
{
    cierra();
}

void BaseSqlite::suspendeLecturas()
{
    // Each reader leaves the list as it suspends.
    while (!lecturas.empty())
        lecturas.back()->suspende();
}

void BaseSqlite::cierra()
{
    suspendeLecturas();
    for (sqlite3_stmt* st : std::as_const(preparadas_))
        sqlite3_finalize(st);
    preparadas_.clear();
    if (db)
        sqlite3_close_v2(db);
    db = nullptr;
    errores = nullptr;
}

sqlite3_stmt* BaseSqlite::prepara(const QString& sql, ErroresDatos* errores)
{
    if (sqlite3_stmt* st = preparadas_.value(sql)) {
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
        return st;
    }
    if (preparadas_.size() >= maximoPreparadas) {
        for (sqlite3_stmt* st : std::as_const(preparadas_))
            sqlite3_finalize(st);
        preparadas_.clear();
    }
    const QByteArray texto = sql.toUtf8();
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v3(db, texto.constData(), int(texto.size()), SQLITE_PREPARE_PERSISTENT, &st, nullptr)
        != SQLITE_OK) {
        sqlite3_finalize(st);
        LanzaErrorSqlite(db, errores);
    }
    if (!st)
        LanzaErrorServidor(NumeroNativo::ErrorDeSintaxis, QStringLiteral("La sentencia está vacía."),
                           QStringLiteral("42000"), errores);
    preparadas_.insert(sql, st);
    return st;
}

sqlite3_stmt* BaseSqlite::toma(const QString& sql, ErroresDatos* errores)
{
    sqlite3_stmt* st = prepara(sql, errores);
    preparadas_.remove(sql);
    return st;
}

void BaseSqlite::devuelve(const QString& sql, sqlite3_stmt* st)
{
    sqlite3_reset(st);
    if (db && !preparadas_.contains(sql) && preparadas_.size() < maximoPreparadas)
        preparadas_.insert(sql, st);
    else
        sqlite3_finalize(st);
}
