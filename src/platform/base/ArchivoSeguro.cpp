#include "platform/base/ArchivoSeguro.h"

#include "platform/base/Err.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

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

void EscribeArchivoPasajero(const QString& ruta, const QByteArray& contenido)
{
    const QFileInfo destino(ruta);
    QTemporaryFile archivo(destino.dir().filePath(QLatin1Char('.') + destino.fileName() + QStringLiteral(".XXXXXX")));
    if (!archivo.open())
        FallaAccesoArchivo(ruta, archivo.errorString());
    if (archivo.write(contenido) != contenido.size() || !archivo.flush())
        FallaAccesoArchivo(ruta, archivo.errorString());
    // The permissions a file created in place would get, not the private
    // ones of a temporary file.
    archivo.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                           | QFileDevice::ReadOther);
    // rename() replaces an existing target in one step.
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(archivo.fileName()).toStdString(), QFile::encodeName(ruta).toStdString(),
                            error);
    if (error)
        FallaAccesoArchivo(ruta, QString::fromStdString(error.message()));
    archivo.setAutoRemove(false);
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
