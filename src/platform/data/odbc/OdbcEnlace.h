#pragma once

#include "platform/data/ErroresDatos.h"

#include <sql.h>
#include <sqlext.h>

#include <QString>

#include <memory>
#include <vector>

// Every diagnostic record the handle holds after its last call, with the
// drivers' "[vendor][driver]" prefixes taken off the message text.
std::vector<ErrorDatos> diagnosticosOdbc(SQLSMALLINT tipoManejador, SQLHANDLE manejador);

// SQLSTATE class "01" marks warnings and informational messages, never errors.
bool esInformativo(const ErrorDatos& diagnostico);

inline bool exitoOdbc(SQLRETURN r)
{
    return r == SQL_SUCCESS || r == SQL_SUCCESS_WITH_INFO;
}

// The environment and connection handles of one open connection; text goes
// through the narrow calls as UTF-8.
class EnlaceOdbc {
public:
    // nullptr when the driver manager or the driver refuses; `error` then
    // holds their messages.
    static std::shared_ptr<EnlaceOdbc> conecta(const QString& cadena, QString& error);
    ~EnlaceOdbc();
    EnlaceOdbc(const EnlaceOdbc&) = delete;
    EnlaceOdbc& operator=(const EnlaceOdbc&) = delete;

    SQLHDBC conexion() const { return dbc_; }
    // The server product as the driver names it ("Microsoft SQL Server", ...).
    QString nombreServidor() const;
    // Asks the driver for an isolation level (NivelAislamiento), or
    // the next greater one it offers; returns the level in effect, or
    // SinEspecificar when the driver does not say.
    long fijaAislamiento(long nivel);
    // Whether the database has a table or view of that name.
    bool tieneTabla(const QString& tabla);

    // Seconds a statement may run; 0 waits for ever.
    int tiempoEspera = 30;

private:
    EnlaceOdbc() = default;
    SQLHENV env_ = SQL_NULL_HENV;
    SQLHDBC dbc_ = SQL_NULL_HDBC;
    bool conectado_ = false;
};

// One statement handle, freed when it goes out of scope, carrying the
// connection's timeout.
class SentenciaOdbc {
public:
    explicit SentenciaOdbc(const EnlaceOdbc& enlace);
    ~SentenciaOdbc();
    SentenciaOdbc(const SentenciaOdbc&) = delete;
    SentenciaOdbc& operator=(const SentenciaOdbc&) = delete;

    // SQL_NULL_HSTMT when the connection could not give one.
    SQLHSTMT manejador() const { return st_; }

private:
    SQLHSTMT st_ = SQL_NULL_HSTMT;
};
