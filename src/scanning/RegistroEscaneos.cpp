#include "scanning/RegistroEscaneos.h"

#include "platform/data/ConexionDatos.h"
#include "platform/data/ConsultaPreparada.h"
#include "services/Objetos.h"

#include <QDateTime>

#include <algorithm>

namespace {

constexpr int LargoIdComprobante = 13;

// Empty operator text is still a text (a literal ''), never NULL.
QVariant Texto(const QString& texto)
{
    return QVariant(texto.isNull() ? QStringLiteral("") : texto);
}

QString Literal(const ConexionDatos& conexion, const QString& texto)
{
    return conexion.FormatoLiteral(Texto(texto));
}

}

QString ClaveComprobante(const QString& tc, const QString& idComprobante)
{
    return ObjUtilidades().AjustaTexto(tc, 4) + idComprobante.left(4) + idComprobante.mid(4, 8)
           + idComprobante.right(1);
}

bool DivideComprobante(const QString& comprobante, QString& tc, QString& idComprobante)
{
    tc.clear();
    idComprobante.clear();
    if (comprobante.isEmpty())
        return true;
    if (comprobante.size() < LargoIdComprobante)
        return false;
    idComprobante = comprobante.right(LargoIdComprobante);
    tc = comprobante.left(comprobante.size() - LargoIdComprobante);
    return true;
}

QString EjecutaEnRegistro(ConexionDatos& conexion, const QString& sql)
{
    conexion.EjecutaDejandoErrores(sql);
    const ErroresDatos& errores = conexion.Conexion().Errors();
    return errores.Count() > 0 ? errores.Item(0).Description : QString();
}

QString SentenciaAltaEscaneo(const ConexionDatos& conexion, const FilaEscaneo& fila)
{
    const QString fecha = conexion.LiteralFecha(QDateTime(fila.Fecha, QTime(0, 0)));
    const bool asignada = !fila.ActualizadoPor.isEmpty();
    return QStringLiteral("INSERT INTO CTROL_ESCANEO (Cuenta,Cpte,Fecha,Usuario,RutaArchivo,NombreArchivo")
           + (asignada ? QStringLiteral(",ActualizadoPor,FhActualizado) ") : QStringLiteral(") "))
           + QStringLiteral(" VALUES (") + Literal(conexion, fila.Cuenta) + QLatin1Char(',')
           + Literal(conexion, fila.Cpte) + QLatin1Char(',') + fecha + QLatin1Char(',')
           + Literal(conexion, fila.Usuario) + QLatin1Char(',') + Literal(conexion, fila.RutaArchivo)
           + QLatin1Char(',') + Literal(conexion, fila.NombreArchivo)
           + (asignada ? QLatin1Char(',') + Literal(conexion, fila.ActualizadoPor) + QLatin1Char(',') + fecha
                       : QString())
           + QLatin1Char(')');
}

ConsultaEscaneo::ConsultaEscaneo(ConexionDatos& conexion)
    : consulta_(conexion.PreparaConsulta(QStringLiteral("SELECT * FROM CTROL_ESCANEO WHERE CUENTA=? AND CPTE=?")))
{
}

ConsultaEscaneo::~ConsultaEscaneo() = default;

bool ConsultaEscaneo::Existe(const QString& cuenta, const QString& tc, const QString& cpte, QString& nombreArchivo,
                             QString& rutaArchivo)
{
    if (!consulta_->Abre({Texto(cuenta), Texto(ClaveComprobante(tc, cpte))})) {
        nombreArchivo.clear();
        rutaArchivo.clear();
        return false;
    }
    // A null column reads as empty text.
    nombreArchivo = consulta_->Campo(QStringLiteral("NombreArchivo")).toString();
    rutaArchivo = consulta_->Campo(QStringLiteral("RutaArchivo")).toString();
    return true;
}

bool ExisteEscaneo(ConexionDatos& conexion, const QString& cuenta, const QString& tc, const QString& cpte,
                   QString& nombreArchivo, QString& rutaArchivo)
{
    return ConsultaEscaneo(conexion).Existe(cuenta, tc, cpte, nombreArchivo, rutaArchivo);
}

QString SentenciaRetiroEscaneo(const ConexionDatos& conexion, const QString& usuario, const QString& nombreArchivo,
                               const QString& cuenta, const QString& clave)
{
    return QStringLiteral("UPDATE CTROL_ESCANEO SET ELIMINADO=1,ELIMINADOPOR =") + Literal(conexion, usuario)
           + QStringLiteral(" WHERE NombreArchivo=") + Literal(conexion, nombreArchivo)
           + QStringLiteral(" AND Cuenta=") + Literal(conexion, cuenta) + QStringLiteral(" AND Cpte=")
           + Literal(conexion, clave);
}

void CodificaRutaArch(const QString& ruta, QString& nombre, QString& carpeta)
{
    const qsizetype ultima = std::max(ruta.lastIndexOf(QLatin1Char('/')), ruta.lastIndexOf(QLatin1Char('\\')));
    nombre = ruta.mid(ultima + 1);
    carpeta = ruta.left(ultima + 1);
}
