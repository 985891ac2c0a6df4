#include "platform/base/ArchivoSeguro.h"

#include "platform/base/Err.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

void FallaAccesoArchivo(const QString& ruta, const QString& motivo)
{
    if (!QFileInfo(ruta).absoluteDir().exists())
        throw Err(NumeroError::RutaNoEncontrada, QStringLiteral("No se encontró la ruta de acceso: %1").arg(ruta));
    throw Err(NumeroError::ErrorAccesoRuta,
              QStringLiteral("Error de acceso a la ruta o al archivo: %1 (%2)").arg(ruta, motivo));
}

void EscribeArchivoCompleto(const QString& ruta, const QByteArray& contenido)
{
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly))
        FallaAccesoArchivo(ruta, archivo.errorString());
    if (archivo.write(contenido) != contenido.size()) {
        const QString motivo = archivo.errorString();
        archivo.cancelWriting();
        FallaAccesoArchivo(ruta, motivo);
    }
    if (!archivo.commit())
        FallaAccesoArchivo(ruta, archivo.errorString());
}

void AgregaAlArchivo(const QString& ruta, const QByteArray& contenido)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly | QIODevice::Append))
        FallaAccesoArchivo(ruta, archivo.errorString());
    if (archivo.write(contenido) != contenido.size() || !archivo.flush())
        FallaAccesoArchivo(ruta, archivo.errorString());
}

QByteArray LeeArchivoCompleto(const QString& ruta)
{
    QFileInfo info(ruta);
    if (!info.exists())
        throw Err(NumeroError::ArchivoNoEncontrado, QStringLiteral("No se encontró el archivo: %1").arg(ruta));
    QFile archivo(ruta);
    if (info.isDir() || !archivo.open(QIODevice::ReadOnly))
        FallaAccesoArchivo(ruta, info.isDir() ? QStringLiteral("es una carpeta") : archivo.errorString());
    return archivo.readAll();
}
