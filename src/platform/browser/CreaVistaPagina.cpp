#include "platform/browser/CreaVistaPagina.h"

#include "platform/base/Plugins.h"
#include "platform/browser/VistaPagina.h"

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
    return PluginDe<FabricaVistaPagina>(QStringLiteral(ESCANEO_PLUGIN_VISTA), carpeta,
                                        QStringLiteral("el visor de páginas"))
        .CreaVista(padre);
}

CreadorVistaPagina instalaCreadorVistaPagina(CreadorVistaPagina nuevo)
{
    return std::exchange(instalado(), std::move(nuevo));
}

VistaPagina* CreaVistaPagina(QWidget* padre)
{
    return instalado()(padre);
}
