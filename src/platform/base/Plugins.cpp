#include "platform/base/Plugins.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace {

// Also before the application object exists, or without one.
QString CarpetaDelPrograma()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

}

QObject* ObjetoDelPlugin(const QString& archivo, const QString& carpeta, const QString& queEs)
{
    const QString ruta = QDir(carpeta.isEmpty() ? CarpetaDelPrograma() : carpeta).filePath(archivo);
    // Unloaded only by unload(), never when the loader goes.
    QPluginLoader cargador(ruta);
    QObject* objeto = cargador.instance();
    if (!objeto)
        throw Err(NumeroError::NoSePuedeCrearObjeto,
                  QStringLiteral("No se pudo cargar %1 (%2): %3").arg(queEs, ruta, cargador.errorString()));
    return objeto;
}
