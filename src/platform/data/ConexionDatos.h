#pragma once

#include "platform/base/Err.h"
#include "platform/data/ErroresDatos.h"
#include "platform/data/NivelAislamiento.h"
#include "platform/data/Recordset.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

class MotorDatos;
class ConexionDatos;

// The open connection itself, as the callers reach it.
class ConexionAdo {
public:
    ErroresDatos& Errors() { return errores_; }
    int CommandTimeout() const { return commandTimeout_; }
    void setCommandTimeout(int segundos);
    // The level in effect while open (the next greater one when the server
    // lacks the one asked for); the one asked for while closed. Connecting
    // asks for it again.
    long IsolationLevel() const;
    void setIsolationLevel(long nivel);
    QString DefaultDatabase() const { return defaultDatabase_; }
    void setDefaultDatabase(const QString& base);
    // Closes the connection; the owner then reads as not connected. Raises
    // 3704 when it is not open.
    void Close();
    // Runs a statement (or a statement list) with the error collection cleared
    // first; a server error is left in Errors and raised as Err.
    void Execute(const QString& sql, long* registrosAfectados = nullptr);

private:
    friend class ConexionDatos;
    MotorDatos& abierto() const;
    ConexionDatos* duenio_ = nullptr;
    MotorDatos* motor_ = nullptr;
    ErroresDatos errores_;
    int commandTimeout_ = 30;
    long isolationLevel_ = NivelAislamiento::LecturaConfirmada;
    long isolationLevelEfectivo_ = NivelAislamiento::LecturaConfirmada;
    QString defaultDatabase_;
};

// The data-access object: one per database of the run. Server text "sqlite"
// (any case) chooses the embedded engine, whose database name is the file's
// path; anything else goes through ODBC.
class ConexionDatos {
public:
    ConexionDatos();
    ~ConexionDatos();
    ConexionDatos(const ConexionDatos&) = delete;
    ConexionDatos& operator=(const ConexionDatos&) = delete;

    bool EstaConectado() const;
    // Writing false drops the connection.
    void setEstaConectado(bool conectado);

    QString Servidor() const { return servidor_; }
    void setServidor(const QString& v) { servidor_ = v; }
    QString BaseDatos() const { return baseDatos_; }
    void setBaseDatos(const QString& v) { baseDatos_ = v; }
    QString Usuario() const { return usuario_; }
    void setUsuario(const QString& v) { usuario_ = v; }
    QString Password() const { return password_; }
    void setPassword(const QString& v) { password_ = v; }
    QString Motor() const { return motor_; }
    void setMotor(const QString& v) { motor_ = v; }
    // Where the embedded engine finds another database of the same server by
    // its bare name: the folder of the file this connection opened last, or
    // the one set here (from the main connection, for the other databases of
    // its server).
    QString CarpetaServidor() const { return carpetaServidor_; }
    void setCarpetaServidor(const QString& v) { carpetaServidor_ = v; }
    // A table the database must hold: a database without it (an empty file,
    // another program's database) is a failed connection, left untouched.
    QString TablaExigida() const { return tablaExigida_; }
    void setTablaExigida(const QString& v) { tablaExigida_ = v; }
    // "sqlite" or "odbc" for the open connection; Motor() when closed.
    QString ObtieneMotor() const;
    // Holds "oracle" for an Oracle connection.
    QString Proveedor() const;

    // Opens the connection from the properties (or from cadenaConexion when
    // not blank). Never raises: success is read from EstaConectado(), and
    // ErrorConexion() says why it failed. There is no login prompt, so the
    // flags change nothing.
    void Conecta(bool pideDatos, int modo, const QString& cadenaConexion, bool, bool);
    QString ErrorConexion() const { return errorConexion_; }

    ConexionAdo& Conexion() { return ado_; }

    // Readers pass cursor 0 and lock 1; writers 2 and 3 and then use
    // AddNew/AsignaCampo/Update. A rejected statement raises Err.
    std::unique_ptr<Recordset> AbreRecordset(const QString& sql, int tipoCursor = 0, int tipoBloqueo = 1);
    void CierraRecordset(std::unique_ptr<Recordset>& rs);
    // Same as Conexion().Execute.
    void Ejecuta(const QString& sql, long* registrosAfectados = nullptr);
    // For callers that judge by Errors(): a server error stays there and is
    // not raised; any other failure (a closed connection) still raises.
    void EjecutaDejandoErrores(const QString& sql);

    // The result column of the first row whose key column equals the key
    // value; a null QVariant when no row matches.
    QVariant BuscaValor(const QString& tabla, const QVariant& valorClave,
                        const QString& columnaResultado, const QString& columnaClave);
    // True when a row has the column equal to the value and meets the extra
    // condition (an SQL condition text, may be empty). With `filas`, the
    // matching rows are left there for the caller to read, on the first.
    bool Existe(const QString& tabla, const QVariant& valor, const QString& columna,
                const QString& condicionExtra = QString(), std::unique_ptr<Recordset>* filas = nullptr);

    // The value as an SQL literal. Kind "'" quotes text (doubling apostrophes);
    // kind "@" is a number: numbers and numeric text go bare with ".", an
    // empty text gives 0, other text raises Err 13. Dates go through
    // LiteralFecha, booleans as 1/0, null gives NULL, whatever the kind.
    QString FormatoLiteral(const QVariant& valor, const QString& tipo = QStringLiteral("'")) const;
    // The engine's unambiguous date literal, quoted: ISO on SQLite,
    // yyyymmdd hh:mm:ss elsewhere.
    QString LiteralFecha(const QDateTime& fecha) const;

    // Shows and logs an error like the shared error routine; returns the answer.
    int MuestraErrorDatos(const Err& e, int botones, const QString& rutina);

private:
    friend class ConexionAdo;
    std::unique_ptr<MotorDatos> abierto_;
    ConexionAdo ado_;
    QString servidor_, baseDatos_, usuario_, password_, motor_, errorConexion_;
    QString carpetaServidor_, tablaExigida_;
};
