#include "voucherweb/ArchivoImagen.h"

#include "platform/base/Rutas.h"

#include <QFileInfo>

namespace {

bool EsImagen(const QString& ruta)
{
    static const QStringList extensiones = {QStringLiteral("bmp"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                            QStringLiteral("gif"), QStringLiteral("png"), QStringLiteral("ico"),
                                            QStringLiteral("tif"), QStringLiteral("tiff")};
    return extensiones.contains(QFileInfo(ruta).suffix(), Qt::CaseInsensitive);
}

}

QString ArchivoDeImagen(const QString& RutaArchivo, const QString& NombreArchivo, const QString& carpetaEscaneo)
{
    const QString ruta = RutaArchivo.trimmed();
    if (!ruta.isEmpty() && (QFileInfo(ruta).isFile() || EsImagen(ruta)))
        return ruta;
    const QString carpeta = ruta.isEmpty() ? carpetaEscaneo.trimmed() : ruta;
    const QString nombre = NombreArchivo.trimmed();
    return carpeta.isEmpty() ? nombre : AgregaBarra(carpeta) + nombre;
}
