#pragma once

#include <QString>

// Points SANE at a configuration folder that enables only its "test" backend,
// with devices test:0 to test:2, and starts the session; must run before anything else in the process
// touches SANE. False when SANE cannot start.
bool PreparaSaneDePrueba();

// The test device's page is 80 x 100 mm; SANE drops the fraction of a pixel.
int PixelesDePagina(double milimetros, double ppp);
