#include "scanning/RegistroEscaneos.h"

#include "platform/data/ConexionDatos.h"
#include "services/Objetos.h"

#include <QDateTime>

#include <algorithm>

namespace {

constexpr int LargoIdComprobante = 13;

// Empty operator text is still a text literal (''), never NULL.
QString Literal(const ConexionDatos& conexion, const QString& texto)
{
    return conexion.FormatoLiteral(QVariant(texto.isNull() ? QStringLiteral("") : texto));
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

bool ExisteEscaneo(ConexionDatos& conexion, const QString& cuenta, const QString& tc, const QString& cpte,
                   QString& nombreArchivo, QString& rutaArchivo)
{
    const QString sql = QStringLiteral("SELECT * FROM CTROL_ESCANEO WHERE CUENTA=") + Literal(conexion, cuenta)
                        + QStringLiteral(" AND CPTE=") + Literal(conexion, ClaveComprobante(tc, cpte));
    const std::unique_ptr<Recordset> rs = conexion.AbreRecordset(sql, 0, 1);
    if (rs->ContarFilas() == 0) {
        nombreArchivo.clear();
        rutaArchivo.clear();
        return false;
    }
    // A null column reads as empty text.
    nombreArchivo = rs->Campo(QStringLiteral("NombreArchivo")).toString();
    rutaArchivo = rs->Campo(QStringLiteral("RutaArchivo")).toString();
    return true;
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
