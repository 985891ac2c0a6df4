#include "platform/data/odbc/MotorOdbc.h"

#include "platform/data/odbc/OdbcCadena.h"
#include "platform/data/odbc/OdbcEjecucion.h"
#include "platform/data/odbc/OdbcEscritor.h"
#include "platform/data/sql/TablaDeConsulta.h"

#include <QDateTime>

MotorOdbc::MotorOdbc(std::shared_ptr<EnlaceOdbc> enlace, QString proveedor)
    : enlace_(std::move(enlace)), proveedor_(std::move(proveedor)), servidor_(enlace_->nombreServidor())
{
}

MotorOdbc::~MotorOdbc() = default;

QString MotorOdbc::nombre() const
{
    return QStringLiteral("odbc");
}

QString MotorOdbc::proveedor() const
{
    return proveedor_;
}

bool MotorOdbc::esSqlServer() const
{
    return servidor_.contains(QLatin1String("SQL Server"), Qt::CaseInsensitive);
}

bool MotorOdbc::esOracle() const
{
    return proveedor_.contains(QLatin1String("oracle"), Qt::CaseInsensitive)
           || servidor_.contains(QLatin1String("oracle"), Qt::CaseInsensitive);
}

void MotorOdbc::ejecuta(const QString& sql, long* afectados, ErroresDatos& errores)
{
    const long filas = ejecutaOdbc(*enlace_, sql, errores);
    if (afectados)
        *afectados = filas;
}

std::unique_ptr<Recordset> MotorOdbc::abre(const QString& sql, bool actualizable, ErroresDatos& errores)
{
    ResultadoOdbc resultado;
    ejecutaOdbc(*enlace_, sql, errores, nullptr, &resultado);
    QStringList nombres;
    for (const ColumnaOdbc& c : resultado.columnas)
        nombres << c.nombre;
    Recordset::Escritor escritor;
    if (actualizable)
        escritor = escritorOdbc(enlace_, TablaDeConsulta(sql), resultado.columnas,
                                esSqlServer() ? Comillas::Corchetes : Comillas::Dobles, &errores);
    return std::make_unique<Recordset>(nombres, std::move(resultado.filas), std::move(escritor));
}

QString MotorOdbc::literalFecha(const QDateTime& fecha) const
{
    const QString texto = fecha.toString(QStringLiteral("yyyyMMdd HH:mm:ss"));
    // Oracle reads a bare text as a date only in the session's own format.
    if (esOracle())
        return QStringLiteral("TO_DATE('%1', 'YYYYMMDD HH24:MI:SS')").arg(texto);
    return QLatin1Char('\'') + texto + QLatin1Char('\'');
}

void MotorOdbc::fijaTiempoEspera(int segundos)
{
    enlace_->tiempoEspera = segundos;
}

void MotorOdbc::fijaBaseDefecto(const QString& base)
{
    if (!esSqlServer() || base.trimmed().isEmpty())
        return;
    ErroresDatos errores;
    ejecutaOdbc(*enlace_, QStringLiteral("USE [%1]").arg(QString(base.trimmed()).replace(QLatin1Char(']'), QStringLiteral("]]"))),
                errores);
}

long MotorOdbc::fijaAislamiento(long nivel)
{
    return enlace_->fijaAislamiento(nivel);
}

QString MotorOdbc::carpetaServidor() const
{
    return {};
}

std::unique_ptr<MotorDatos> conectaOdbc(const DatosConexion& datos, QString& error)
{
    const CadenaOdbc cadena = cadenaOdbc(datos);
    std::shared_ptr<EnlaceOdbc> enlace = EnlaceOdbc::conecta(cadena.cadena, error);
    if (!enlace)
        return nullptr;
    enlace->tiempoEspera = datos.tiempoEspera;
    if (!datos.tablaExigida.trimmed().isEmpty() && !enlace->tieneTabla(datos.tablaExigida)) {
        error = QStringLiteral("La base de datos %1 no es una base de datos de este sistema: no tiene la tabla %2.")
                    .arg(datos.baseDatos.trimmed(), datos.tablaExigida.trimmed());
        return nullptr;
    }
    error.clear();
    return std::make_unique<MotorOdbc>(std::move(enlace), cadena.proveedor);
}
