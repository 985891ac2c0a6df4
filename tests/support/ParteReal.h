#pragma once

#include <gtest/gtest.h>

// Stops the test with a failure when a real part it needs is missing; the
// reason names the package that brings the part. Every run needs its real
// parts, so a missing one never passes as a skip. For SetUp and test bodies.
#define EXIGE_PARTE_REAL(disponible, motivo) \
    do {                                     \
        if (!(disponible))                   \
            FAIL() << (motivo);              \
    } while (false)
