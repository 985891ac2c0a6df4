#pragma once

#include <QByteArray>

#include <gtest/gtest.h>

// True on the continuous-integration machine, where every real part a test
// needs must be there.
inline bool EnIntegracionContinua()
{
    return qgetenv("CI") == "true";
}

// Stops the test when a real part it needs is missing: a failure under CI,
// a skip that says why elsewhere. For SetUp and test bodies.
#define EXIGE_PARTE_REAL(disponible, motivo)       \
    do {                                          \
        if (!(disponible)) {                      \
            if (EnIntegracionContinua())          \
                FAIL() << (motivo);               \
            else                                  \
                GTEST_SKIP() << (motivo);         \
        }                                         \
    } while (false)
