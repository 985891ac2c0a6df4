#include "platform/base/ArchivoSinMayusculas.h"

#include <QDir>
#include <QFileInfo>

QString ArchivoSinMayusculas(const QString& ruta)
{
    if (ruta.trimmed().isEmpty())
        return QString();
    const QFileInfo exacto(ruta);
    if (exacto.isFile())
        return ruta;
    const QString nombre = exacto.fileName();
    if (nombre.isEmpty())
        return QString();
    const QDir carpeta = exacto.dir();
    const QStringList archivos = carpeta.entryList(QDir::Files | QDir::Hidden);
    for (const QString& archivo : archivos)
        if (archivo.compare(nombre, Qt::CaseInsensitive) == 0)
            return carpeta.filePath(archivo);
    return QString();
}
