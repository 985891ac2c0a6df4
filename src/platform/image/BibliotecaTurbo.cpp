#include "platform/image/BibliotecaTurbo.h"

#include "platform/base/BibliotecaDelSistema.h"

const FuncionesTurbo* Turbo()
{
    static const EntradasDeBiblioteca<FuncionesTurbo> entradas(QStringLiteral("turbojpeg"), 0, [](auto& b, auto& f) {
        b.resuelve(f.InitCompress, "tjInitCompress");
        b.resuelve(f.Compress2, "tjCompress2");
        b.resuelve(f.Free, "tjFree");
        b.resuelve(f.Destroy, "tjDestroy");
    });
    return entradas.completas();
}
