#pragma once

#include "platform/data/ConsultaPreparada.h"
#include "platform/data/ErroresDatos.h"
#include "platform/data/NivelAislamiento.h"
#include "platform/data/Recordset.h"

#include <QDateTime>

#include <QString>
#include <memory>

// One database engine behind ConexionDatos. Engines raise Err for a rejected
// statement after adding the server's errors to `errores`.
class MotorDatos {
public:
    virtual ~MotorDatos() = default;

    virtual QString nombre() const = 0;         // "sqlite" or "odbc"
    virtual QString proveedor() const = 0;
    virtual void ejecuta(const QString& sql, long* afectados, ErroresDatos& errores) = 0;
    virtual std::unique_ptr<Recordset> abre(const QString& sql, bool actualizable, ErroresDatos& errores) = 0;
    // A read statement with "?" markers compiled once; nullptr from an engine
    // that compiles nothing of its own, whose caller then sends the text.
    virtual std::unique_ptr<ConsultaPreparada> prepara(const QString&, ErroresDatos&) { return nullptr; }
    virtual QString literalFecha(const QDateTime& fecha) const = 0;
    virtual void fijaTiempoEspera(int segundos) = 0;
    virtual void fijaBaseDefecto(const QString& base) = 0;
    // Asks for an isolation level (NivelAislamiento); returns the one
    // in effect, the next greater one when the server lacks it.
    virtual long fijaAislamiento(long nivel) = 0;
    // Where another database of the same server is found by its bare name:
    // the embedded engine's folder; empty on a real server.
    virtual QString carpetaServidor() const = 0;
};

struct DatosConexion {
    QString servidor, baseDatos, usuario, password, cadena;
    // The embedded engine looks for a bare database name here.
    QString carpetaServidor{};
    // A table the database must hold to be taken; empty takes any.
    QString tablaExigida{};
    // Seconds a statement waits for a locked database; 0 waits for ever.
    int tiempoEspera = 30;
};

// Each returns nullptr when it cannot connect; `error` then says why.
std::unique_ptr<MotorDatos> conectaSqlite(const DatosConexion& datos, QString& error);
std::unique_ptr<MotorDatos> conectaOdbc(const DatosConexion& datos, QString& error);
