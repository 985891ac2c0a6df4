#include "platform/base/Plugins.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

QObject* ObjetoDelPlugin(const QString& archivo, const QString& carpeta, const QString& queEs)
{
    const QString ruta = QDir(carpeta.isEmpty() ? QCoreApplication::applicationDirPath() : carpeta).filePath(archivo);
    // Unloaded only by unload(), never when the loader goes.
    QPluginLoader cargador(ruta);
    QObject* objeto = cargador.instance();
    if (!objeto)
        throw Err(NumeroError::NoSePuedeCrearObjeto,
                  QStringLiteral("No se pudo cargar %1: %2").arg(queEs, cargador.errorString()));
    return objeto;
}
