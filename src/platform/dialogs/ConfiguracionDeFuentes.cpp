#include "platform/dialogs/ConfiguracionDeFuentes.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

ConfiguracionDeFuentes::ConfiguracionDeFuentes()
{
    // A thread that cannot start leaves the reading to Qt, as without this;
    // so does a configuration that fails to load, and Qt reports it then.
    try {
        hilo_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
    }
}

ConfiguracionDeFuentes::~ConfiguracionDeFuentes()
{
    Espera();
}

void ConfiguracionDeFuentes::Espera()
{
    if (hilo_.joinable())
        hilo_.join();
}
