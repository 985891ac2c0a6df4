#include "scanning/AsignacionImagen.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Err.h"
#include "platform/data/ConexionDatos.h"
#include "scanning/RegistroEscaneos.h"
#include "services/Objetos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString NoSeGuardaron = QStringLiteral("\r\nNo se guardaron los cambios.");

bool TieneCarpeta(const QString& ruta)
{
    return ruta.contains(u'/') || ruta.contains(u'\\');
}

// The time-based name, numbered until it is free in the folder.
QString NombreLibre(const QString& carpeta, const QString& nombre, const QDateTime& ahora, int diaServidor)
{
    const QString marca = QString::number(ahora.time().second()) + QString::number(ahora.time().minute())
                          + QString::number(diaServidor);
    const QFileInfo partes(nombre);
    QString candidato = marca + nombre;
    for (int copia = 2; QFileInfo::exists(carpeta + candidato); ++copia) {
        const QString sufijo = partes.suffix().isEmpty() ? QString() : u'.' + partes.suffix();
        candidato = marca + partes.completeBaseName() + QStringLiteral("(%1)").arg(copia) + sufijo;
    }
    return candidato;
}

}

QString ArchivoElegido(const QString& textoLabel, const QString& textoCampo)
{
    const QString campo = textoCampo.trimmed();
    if (TieneCarpeta(campo) || textoLabel.isEmpty())
        return campo;
    return textoLabel;
}

ArchivoAsignado TraeAlEscaneo(const QString& ruta, const QString& carpetaEscaneo, const QDateTime& ahora,
                              int diaServidor)
{
    const Utilidades& u = ObjUtilidades();
    ArchivoAsignado r;
    if (carpetaEscaneo.trimmed().isEmpty()) {
        r.rechazo = QStringLiteral("La carpeta de escaneos no esta asignada. Asignela para poder continuar.") + NoSeGuardaron;
        return r;
    }
    if (!QFileInfo(carpetaEscaneo).isDir()) {
        r.rechazo = QStringLiteral("La carpeta de escaneos asignada no existe. Creela o asigne una nueva para poder continuar")
                    + NoSeGuardaron;
        return r;
    }
    const QString escaneos = u.AgregaBarra(carpetaEscaneo);
    QString nombre, carpeta;
    CodificaRutaArch(ruta, nombre, carpeta);
    r.NombreArchivo = nombre;
    r.RutaArchivo = carpetaEscaneo;
    if (carpeta.isEmpty()) {
        if (!QFileInfo(escaneos + nombre).isFile())
            r.rechazo = QStringLiteral("El archivo %1 no esta en la carpeta de escaneos.").arg(nombre) + NoSeGuardaron;
        return r;
    }
    const QString origen = u.AgregaBarra(carpeta) + nombre;
    // The same folder however the configuration writes it.
    if (QFileInfo(carpeta).canonicalFilePath() == QFileInfo(escaneos).canonicalFilePath()) {
        r.RutaArchivo = carpeta;
        return r;
    }
    if (!QFileInfo(origen).isFile())
        throw Err(NumeroError::ArchivoNoEncontrado, QStringLiteral("No se encontró el archivo: %1").arg(origen));
    if (QFileInfo::exists(escaneos + nombre))
        r.NombreArchivo = NombreLibre(escaneos, nombre, ahora, diaServidor);
    // QFile::copy never replaces an existing file.
    QFile archivo(origen);
    if (!archivo.copy(escaneos + r.NombreArchivo))
        FallaAccesoArchivo(escaneos + r.NombreArchivo, archivo.errorString());
    return r;
}

QString RegistraAsignacion(ConexionDatos& conexion, const QString& cuenta, const QString& clave,
                           const ArchivoAsignado& archivo, const QString& usuario, bool& agregada)
{
    agregada = false;
    const std::unique_ptr<Recordset> rs = conexion.AbreRecordset(
        QStringLiteral("SELECT * FROM CTROL_ESCANEO WHERE CUENTA=") + conexion.FormatoLiteral(cuenta)
            + QStringLiteral(" AND CPTE=") + conexion.FormatoLiteral(clave) + QStringLiteral(" AND NombreArchivo=")
            + conexion.FormatoLiteral(archivo.NombreArchivo) + QStringLiteral(" AND RutaArchivo=")
            + conexion.FormatoLiteral(archivo.RutaArchivo) + QStringLiteral(" AND (Eliminado = 0 OR ELIMINADO IS NULL)"),
        0, 1);
    if (!rs->EOF())
        return QString();
    FilaEscaneo fila;
    fila.Cuenta = cuenta;
    fila.Cpte = clave;
    fila.Fecha = QDate::currentDate();
    fila.Usuario = usuario;
    fila.RutaArchivo = archivo.RutaArchivo;
    fila.NombreArchivo = archivo.NombreArchivo;
    fila.ActualizadoPor = usuario;
    const QString error = EjecutaEnRegistro(conexion, SentenciaAltaEscaneo(conexion, fila));
    agregada = error.isEmpty();
    return error;
}
