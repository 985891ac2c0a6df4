#pragma once

#include "support/ParteReal.h"

#include <QString>

// Points SANE at a configuration folder that enables only its "test" backend,
// with devices test:0 to test:2, and starts the session; must run before
// anything else in the process touches SANE. False when SANE cannot start or
// does not offer those devices.
bool PreparaSaneDePrueba();

// For the SetUp of a test that scans: fails when the test device cannot start.
#define EXIGE_SANE_DE_PRUEBA() \
    EXIGE_PARTE_REAL(PreparaSaneDePrueba(), "SANE's test device did not start (Debian package libsane1)")

// The test device's page is 80 x 100 mm; SANE drops the fraction of a pixel.
int PixelesDePagina(double milimetros, double ppp);
