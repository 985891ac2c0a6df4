#include "platform/data/sqlite/BaseSqlite.h"

#include "platform/base/Err.h"
#include "platform/data/NumeroNativo.h"
#include "platform/data/sqlite/BibliotecaSqlite.h"
#include "platform/data/sqlite/ErroresSqlite.h"

#include <cstring>

namespace {

// Called while a statement compiles: notes the statements after which
// what was compiled before may read a schema that is no longer there.
int vigilaEsquema(void* cambiado, int accion, const char* detalle, const char*, const char*, const char*)
{
    switch (accion) {
    case SQLITE_CREATE_INDEX:
    case SQLITE_CREATE_TABLE:
    case SQLITE_CREATE_TEMP_INDEX:
    case SQLITE_CREATE_TEMP_TABLE:
    case SQLITE_CREATE_TEMP_TRIGGER:
    case SQLITE_CREATE_TEMP_VIEW:
    case SQLITE_CREATE_TRIGGER:
    case SQLITE_CREATE_VIEW:
    case SQLITE_DROP_INDEX:
    case SQLITE_DROP_TABLE:
    case SQLITE_DROP_TEMP_INDEX:
    case SQLITE_DROP_TEMP_TABLE:
    case SQLITE_DROP_TEMP_TRIGGER:
    case SQLITE_DROP_TEMP_VIEW:
    case SQLITE_DROP_TRIGGER:
    case SQLITE_DROP_VIEW:
    case SQLITE_ALTER_TABLE:
    case SQLITE_CREATE_VTABLE:
    case SQLITE_DROP_VTABLE:
    case SQLITE_ATTACH:
    case SQLITE_DETACH:
        *static_cast<bool*>(cambiado) = true;
        break;
    case SQLITE_TRANSACTION:
        // A rollback takes back the schema changes of its transaction.
        if (detalle && std::strcmp(detalle, "ROLLBACK") == 0)
            *static_cast<bool*>(cambiado) = true;
        break;
    default:
        break;
    }
    return SQLITE_OK;
}

}  // namespace

void BaseSqlite::Finaliza::operator()(sqlite3_stmt* st) const
{
    sqlite3_finalize(st);
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
    preparadas_.vacia();
    adaptados_.vacia();
    if (db)
        sqlite3_close_v2(db);
    db = nullptr;
    errores = nullptr;
}

void BaseSqlite::comienza()
{
    if (!db)
        throw Err(NumeroError::ObjetoCerrado);
    if (errores)
        errores->Clear();
}

void BaseSqlite::vigila()
{
    // The statement that changed the schema has run by now: the ones kept
    // from before may still read its old columns.
    if (esquemaCambiado_) {
        preparadas_.vacia();
        esquemaCambiado_ = false;
    }
    // Installed before the first statement is kept, since installing it
    // makes every compiled statement compile again.
    if (!vigilada_) {
        sqlite3_set_authorizer(db, vigilaEsquema, &esquemaCambiado_);
        vigilada_ = true;
    }
}

BaseSqlite::Compilada BaseSqlite::compila(const QString& sql, ErroresDatos* errores, bool guarda)
{
    const QByteArray texto = sql.toUtf8();
    sqlite3_stmt* st = nullptr;
    // Compiling to keep costs more than compiling for one run.
    if (sqlite3_prepare_v3(db, texto.constData(), int(texto.size()), guarda ? SQLITE_PREPARE_PERSISTENT : 0, &st,
                           nullptr)
        != SQLITE_OK) {
        sqlite3_finalize(st);
        LanzaErrorSqlite(db, errores);
    }
    if (!st)
        LanzaErrorServidor(NumeroNativo::ErrorDeSintaxis, QStringLiteral("La sentencia está vacía."),
                           QStringLiteral("42000"), errores);
    return Compilada{std::unique_ptr<sqlite3_stmt, Finaliza>(st), esquemaCambiado_};
}

sqlite3_stmt* BaseSqlite::prepara(const QString& sql, ErroresDatos* errores)
{
    vigila();
    const auto [compilada, nueva] =
        preparadas_.obtiene(sql, [&](bool guarda) { return compila(sql, errores, guarda); });
    if (!nueva) {
        sqlite3_reset(compilada.st.get());
        sqlite3_clear_bindings(compilada.st.get());
        esquemaCambiado_ = compilada.cambiaEsquema;
    }
    return compilada.st.get();
}

const std::vector<SentenciaAdaptada>& BaseSqlite::adaptado(const QString& sql)
{
    return adaptados_.obtiene(sql, [&](bool) { return AdaptaLote(sql); }).valor;
}

sqlite3_stmt* BaseSqlite::toma(const QString& sql, ErroresDatos* errores)
{
    vigila();
    if (std::optional<Compilada> guardada = preparadas_.quita(sql)) {
        sqlite3_reset(guardada->st.get());
        sqlite3_clear_bindings(guardada->st.get());
        return guardada->st.release();
    }
    const bool guarda = preparadas_.anota(sql);
    sqlite3_stmt* st = compila(sql, errores, guarda).st.release();
    if (!guarda)
        deUnaVez_.insert(st);
    return st;
}

void BaseSqlite::devuelve(const QString& sql, sqlite3_stmt* st)
{
    sqlite3_reset(st);
    Compilada devuelta{std::unique_ptr<sqlite3_stmt, Finaliza>(st), false};
    const bool deUnaVez = deUnaVez_.erase(st) != 0;
    if (db && !deUnaVez)
        preparadas_.pon(sql, std::move(devuelta));
}
