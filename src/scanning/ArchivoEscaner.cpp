#include "scanning/ArchivoEscaner.h"

#include "platform/base/ArchivoSeguro.h"
#include "platform/base/Cp1252.h"
#include "platform/base/Err.h"

#include <QFile>

void CompruebaArchivoEscaner(const QString& ruta)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly))
        throw Err(NumeroError::ArchivoNoEncontrado, QStringLiteral("No se encontró el archivo ") + ruta);
}

void EscribeArchivoEscaner(const QString& ruta, int fuente)
{
    const QString texto = QStringLiteral("[Seleccione el Scanner]\r\nSource = %1\r\n").arg(fuente);
    EscribeArchivoCompleto(ruta, ACp1252(texto));
}
