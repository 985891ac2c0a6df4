#include "platform/data/sqlite/ErroresSqlite.h"

#include "platform/base/Err.h"

#include <sqlite3.h>

namespace {

struct Traduccion {
    long nativo;
    const char* estado;
};

Traduccion traduce(int extendido, const QString& mensaje)
{
    if (extendido == SQLITE_CONSTRAINT_PRIMARYKEY || extendido == SQLITE_CONSTRAINT_UNIQUE)
        return {2627, "23000"};
    if ((extendido & 0xff) == SQLITE_CONSTRAINT)
        return {547, "23000"};
    if (mensaje.startsWith(QLatin1String("no such table")) || mensaje.startsWith(QLatin1String("no such view")))
        return {208, "42S02"};
    if (mensaje.contains(QLatin1String("already exists")))
        return {mensaje.startsWith(QLatin1String("index")) ? 1913L : 2714L, "42S01"};
    if (mensaje.startsWith(QLatin1String("no such column")))
        return {207, "42S22"};
    if (mensaje.startsWith(QLatin1String("no such function")))
        return {195, "42000"};
    if (mensaje.contains(QLatin1String("syntax error")) || mensaje.contains(QLatin1String("incomplete input")))
        return {102, "42000"};
    // Anything else keeps the engine's own code.
    return {extendido, "HY000"};
}

}  // namespace

void LanzaErrorServidor(long nativo, const QString& mensaje, const QString& estado, ErroresDatos* errores)
{
    if (errores)
        errores->Agrega(ErrorDatos{NumeroError::ErrorDelServidor, nativo, mensaje, estado});
    throw Err(NumeroError::ErrorDelServidor, mensaje, QStringLiteral("SQLite"));
}

void LanzaErrorSqlite(sqlite3* db, ErroresDatos* errores)
{
    const QString mensaje = QString::fromUtf8(sqlite3_errmsg(db));
    const Traduccion t = traduce(sqlite3_extended_errcode(db), mensaje);
    LanzaErrorServidor(t.nativo, mensaje, QLatin1String(t.estado), errores);
}
