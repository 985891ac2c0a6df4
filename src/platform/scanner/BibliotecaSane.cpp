#include "platform/scanner/BibliotecaSane.h"

#include "platform/base/BibliotecaDelSistema.h"

namespace {

const EntradasDeBiblioteca<FuncionesSane>& carga()
{
    static const EntradasDeBiblioteca<FuncionesSane> entradas(QStringLiteral("sane"), 1, [](auto& b, FuncionesSane& f) {
        b.resuelve(f.init, "sane_init");
        b.resuelve(f.exit, "sane_exit");
        b.resuelve(f.get_devices, "sane_get_devices");
        b.resuelve(f.open, "sane_open");
        b.resuelve(f.close, "sane_close");
        b.resuelve(f.get_option_descriptor, "sane_get_option_descriptor");
        b.resuelve(f.control_option, "sane_control_option");
        b.resuelve(f.get_parameters, "sane_get_parameters");
        b.resuelve(f.start, "sane_start");
        b.resuelve(f.read, "sane_read");
        b.resuelve(f.cancel, "sane_cancel");
        b.resuelve(f.strstatus, "sane_strstatus");
    });
    return entradas;
}

}

const FuncionesSane* Sane()
{
    return carga().completas();
}

QString MotivoSinSane()
{
    return carga().motivo();
}
