#include "platform/data/odbc/OdbcEjecucion.h"

#include "platform/base/Err.h"
#include "platform/data/odbc/BibliotecaOdbc.h"

namespace {

// Adds the handle's error records; true when it held any.
bool recogeErrores(SQLSMALLINT tipo, SQLHANDLE manejador, ErroresDatos& errores)
{
    bool alguno = false;
    for (const ErrorDatos& d : diagnosticosOdbc(tipo, manejador)) {
        if (esInformativo(d))
            continue;
        errores.Agrega(d);
        alguno = true;
    }
    return alguno;
}

// A failure the driver explained only with warnings, or not at all, still
// lands in the collection: callers that read only Errors must see it.
[[noreturn]] void lanzaErrorServidor(ErroresDatos& errores)
{
    if (errores.Count() == 0) {
        ErrorDatos e;
        e.Number = NumeroError::ErrorDelServidor;
        e.Description = QStringLiteral("El controlador ODBC informó un error sin descripción");
        e.SQLState = QStringLiteral("HY000");
        errores.Agrega(e);
    }
    throw Err(NumeroError::ErrorDelServidor, errores.Item(0).Description, QStringLiteral("ODBC"));
}

[[noreturn]] void fallaSinEjecutar(SQLSMALLINT tipo, SQLHANDLE manejador, ErroresDatos& errores)
{
    recogeErrores(tipo, manejador, errores);
    lanzaErrorServidor(errores);
}

// A failed request for the next result that the server did not answer: the
// results are over (drivers that keep no more results answer HY010).
bool sinMasResultados(SQLHSTMT st)
{
    const auto diagnosticos = diagnosticosOdbc(SQL_HANDLE_STMT, st);
    return diagnosticos.empty() || diagnosticos.front().SQLState == QLatin1String("HY010");
}

// Reads the first result with columns into `filas` (which is then spent);
// counts the rows of results without columns. False when reading failed.
bool atiendeResultado(SQLHSTMT st, ResultadoOdbc*& filas, long& afectados)
{
    SQLSMALLINT columnas = 0;
    if (!exitoOdbc(odbc().NumResultCols(st, &columnas)))
        return false;
    if (columnas > 0) {
        if (!filas)
            return true;
        ResultadoOdbc* destino = filas;
        filas = nullptr;
        return exitoOdbc(leeResultado(st, *destino));
    }
    SQLLEN cuenta = 0;
    if (exitoOdbc(odbc().RowCount(st, &cuenta)) && cuenta > 0)
        afectados += long(cuenta);
    return true;
}

}  // namespace

long ejecutaOdbc(const EnlaceOdbc& enlace, const QString& sql, ErroresDatos& errores,
                 ParametrosOdbc* parametros, ResultadoOdbc* filas)
{
    errores.Clear();
    SentenciaOdbc sentencia(enlace);
    const SQLHSTMT st = sentencia.manejador();
    if (st == SQL_NULL_HSTMT)
        fallaSinEjecutar(SQL_HANDLE_DBC, enlace.conexion(), errores);
    if (parametros && !exitoOdbc(parametros->enlaza(st)))
        fallaSinEjecutar(SQL_HANDLE_STMT, st, errores);

    QByteArray texto = sql.toUtf8();
    SQLRETURN r = odbc().ExecDirect(st, reinterpret_cast<SQLCHAR*>(texto.data()), SQLINTEGER(texto.size()));
    bool huboError = false;
    long afectados = 0;
    for (;;) {
        // Drivers may report a failed statement of a batch with "success with info".
        const bool conErrores = recogeErrores(SQL_HANDLE_STMT, st, errores);
        huboError = huboError || conErrores;
        if (r == SQL_ERROR) {
            huboError = true;
            if (!conErrores)
                break;
        } else if (exitoOdbc(r)) {
            if (!atiendeResultado(st, filas, afectados)) {
                recogeErrores(SQL_HANDLE_STMT, st, errores);
                huboError = true;
            }
        } else if (r != SQL_NO_DATA) {
            huboError = true;
            break;
        }
        r = odbc().MoreResults(st);
        if (r == SQL_NO_DATA || (r == SQL_ERROR && sinMasResultados(st)))
            break;
    }
    if (huboError)
        lanzaErrorServidor(errores);
    return afectados;
}
