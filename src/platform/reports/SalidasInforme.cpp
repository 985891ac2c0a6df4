#include "platform/reports/SalidasInforme.h"

#include "platform/base/Plugins.h"

SalidasInforme& Salidas()
{
    static SalidasInforme& salidas = PluginDe<SalidasInforme>(QStringLiteral(ESCANEO_PLUGIN_SALIDAS), QString(),
                                                              QStringLiteral("la impresión de informes"));
    return salidas;
}
