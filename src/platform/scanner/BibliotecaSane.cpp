#include "platform/scanner/BibliotecaSane.h"

#include <QLibrary>

#include <type_traits>

namespace {

struct Carga {
    FuncionesSane funciones{};
    bool completa = false;
    QString motivo;

    Carga()
    {
        // Loaded as if linked in: its symbols global, so the backends it
        // loads bind to its helpers, and kept mapped at exit.
        static QLibrary biblioteca(QStringLiteral("sane"), 1);
        biblioteca.setLoadHints(QLibrary::ExportExternalSymbolsHint | QLibrary::PreventUnloadHint);
        completa = true;
        const auto resuelve = [&](auto& puntero, const char* nombre) {
            puntero = reinterpret_cast<std::remove_reference_t<decltype(puntero)>>(biblioteca.resolve(nombre));
            if (!puntero && completa) {
                completa = false;
                motivo = biblioteca.errorString();
            }
        };
        resuelve(funciones.init, "sane_init");
        resuelve(funciones.exit, "sane_exit");
        resuelve(funciones.get_devices, "sane_get_devices");
        resuelve(funciones.open, "sane_open");
        resuelve(funciones.close, "sane_close");
        resuelve(funciones.get_option_descriptor, "sane_get_option_descriptor");
        resuelve(funciones.control_option, "sane_control_option");
        resuelve(funciones.get_parameters, "sane_get_parameters");
        resuelve(funciones.start, "sane_start");
        resuelve(funciones.read, "sane_read");
        resuelve(funciones.cancel, "sane_cancel");
        resuelve(funciones.strstatus, "sane_strstatus");
    }
};

const Carga& carga()
{
    static const Carga c;
    return c;
}

}

const FuncionesSane* Sane()
{
    return carga().completa ? &carga().funciones : nullptr;
}

QString MotivoSinSane()
{
    return carga().motivo;
}
