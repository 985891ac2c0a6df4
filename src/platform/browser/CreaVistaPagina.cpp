#include "platform/browser/CreaVistaPagina.h"

#include "platform/base/Err.h"
#include "platform/browser/VistaPagina.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

#include <utility>

namespace {

CreadorVistaPagina& instalado()
{
    static CreadorVistaPagina creador = [](QWidget* padre) { return CreaVistaDelPlugin(padre); };
    return creador;
}

}

VistaPagina* CreaVistaDelPlugin(QWidget* padre, const QString& carpeta)
{
    const QString ruta = QDir(carpeta.isEmpty() ? QCoreApplication::applicationDirPath() : carpeta)
                             .filePath(QStringLiteral(ESCANEO_PLUGIN_VISTA));
    // The plugin stays loaded when the loader goes: the views it made live on.
    QPluginLoader cargador(ruta);
    auto* fabrica = qobject_cast<FabricaVistaPagina*>(cargador.instance());
    if (!fabrica)
        throw Err(NumeroError::NoSePuedeCrearObjeto,
                  QStringLiteral("No se pudo cargar el visor de páginas: %1").arg(cargador.errorString()));
    return fabrica->CreaVista(padre);
}

CreadorVistaPagina instalaCreadorVistaPagina(CreadorVistaPagina nuevo)
{
    return std::exchange(instalado(), std::move(nuevo));
}

VistaPagina* CreaVistaPagina(QWidget* padre)
{
    return instalado()(padre);
}
