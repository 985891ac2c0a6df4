#include "platform/data/ErroresDatos.h"

#include "platform/base/Err.h"

const ErrorDatos& ErroresDatos::Item(int i) const
{
    if (i < 0 || i >= Count())
        throw Err(NumeroError::SubindiceFueraDeRango);
    return lista_[size_t(i)];
}
