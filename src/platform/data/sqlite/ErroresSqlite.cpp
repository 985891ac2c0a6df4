#include "platform/data/sqlite/ErroresSqlite.h"

#include "platform/base/Err.h"
#include "platform/data/NumeroNativo.h"
#include "platform/data/sqlite/BibliotecaSqlite.h"

namespace {

struct Traduccion {
    long nativo;
    const char* estado;
};

Traduccion traduce(int extendido, const QString& mensaje)
{
    if ((extendido & 0xff) == SQLITE_BUSY)
        return {NumeroNativo::TiempoDeBloqueoAgotado, "HYT00"};
    if (extendido == SQLITE_CONSTRAINT_PRIMARYKEY || extendido == SQLITE_CONSTRAINT_UNIQUE)
        return {NumeroNativo::ClaveDuplicada, "23000"};
    if ((extendido & 0xff) == SQLITE_CONSTRAINT)
        return {NumeroNativo::Restriccion, "23000"};
    if (mensaje.startsWith(QLatin1String("no such table")) || mensaje.startsWith(QLatin1String("no such view")))
        return {NumeroNativo::ObjetoInexistente, "42S02"};
    if (mensaje.contains(QLatin1String("already exists")))
        return {mensaje.startsWith(QLatin1String("index")) ? NumeroNativo::IndiceExistente
                                                            : NumeroNativo::ObjetoExistente,
                "42S01"};
    if (mensaje.startsWith(QLatin1String("no such column")))
        return {NumeroNativo::ColumnaInexistente, "42S22"};
    if (mensaje.startsWith(QLatin1String("no such function")))
        return {NumeroNativo::FuncionInexistente, "42000"};
    if (mensaje.contains(QLatin1String("syntax error")) || mensaje.contains(QLatin1String("incomplete input")))
        return {NumeroNativo::ErrorDeSintaxis, "42000"};
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
    const int extendido = sqlite3_extended_errcode(db);
    // The engine's "database is locked" does not say who holds it.
    const QString mensaje =
        (extendido & 0xff) == SQLITE_BUSY
            ? QStringLiteral("Se agotó el tiempo de espera: otro programa tiene bloqueada la base de datos.")
            : QString::fromUtf8(sqlite3_errmsg(db));
    const Traduccion t = traduce(extendido, mensaje);
    LanzaErrorServidor(t.nativo, mensaje, QLatin1String(t.estado), errores);
}
