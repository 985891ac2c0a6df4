#include "services/MuestraError.h"

#include "platform/dialogs/RegistroErrores.h"

int16_t MuestraError(const Err& e, std::optional<int> Botones, const QString& Rutina)
{
    return MuestraYRegistraError(e, Botones.value_or(18), Rutina);
}
