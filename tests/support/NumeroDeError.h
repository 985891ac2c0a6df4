#pragma once

#include "platform/base/Err.h"

// The number of the Err the call raises; 0 when it raises none.
template <typename Llamada>
long numeroDeError(Llamada&& llamada)
{
    try {
        llamada();
    } catch (const Err& e) {
        return e.Number;
    }
    return 0;
}
