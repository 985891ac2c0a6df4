#include "platform/dialogs/Dialogos.h"

#include "platform/dialogs/DialogosQt.h"

namespace {
std::unique_ptr<Dialogos>& instalados()
{
    static std::unique_ptr<Dialogos> d;
    return d;
}
}

Dialogos& dialogos()
{
    auto& d = instalados();
    if (!d)
        d = std::make_unique<DialogosQt>();
    return *d;
}

std::unique_ptr<Dialogos> instalaDialogos(std::unique_ptr<Dialogos> nuevos)
{
    auto anteriores = std::move(instalados());
    instalados() = std::move(nuevos);
    return anteriores;
}
