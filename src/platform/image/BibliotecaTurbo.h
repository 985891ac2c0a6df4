#pragma once

#include <turbojpeg.h>

// libjpeg-turbo's entry points, loaded with the first BMP compressed, so a
// start that compresses none does not map it.
struct FuncionesTurbo {
    decltype(&::tjInitCompress) InitCompress;
    decltype(&::tjCompress2) Compress2;
    decltype(&::tjFree) Free;
    decltype(&::tjDestroy) Destroy;
};

// Loaded once for the whole process; null when libturbojpeg cannot be
// loaded or lacks an entry point.
const FuncionesTurbo* Turbo();
