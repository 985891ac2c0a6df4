#include "platform/data/sqlite/BaseSqlite.h"

#include "platform/base/Err.h"
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

void BaseSqlite::cierra()
{
    for (sqlite3_stmt* st : std::as_const(preparadas_))
        sqlite3_finalize(st);
    preparadas_.clear();
    if (db)
        sqlite3_close_v2(db);
    db = nullptr;
    errores = nullptr;
}

void BaseSqlite::comienza()
{
    if (!db)
        throw Err(3704, QStringLiteral("La operación no está permitida si el objeto está cerrado."));
    if (errores)
        errores->Clear();
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
        LanzaErrorServidor(102, QStringLiteral("La sentencia está vacía."), QStringLiteral("42000"), errores);
    preparadas_.insert(sql, st);
    return st;
}
