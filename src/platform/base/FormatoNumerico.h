#pragma once

#include "platform/base/Conversiones.h"

#include <QChar>
#include <QString>

// How the workstation writes numbers for the operator: one object the
// program takes from the system's locale and tests set, so output never
// depends on the machine it runs on. SQL never uses it.
struct FormatoNumerico {
    QChar separadorDecimal = u'.';
    QChar separadorMiles = u',';
    int decimalesMoneda = 2;

    static FormatoNumerico delSistema();

    // The amount rounded half to even to `decimales` places, with the
    // decimal separator and no grouping ("###0.00" for two places).
    QString fijo(Moneda valor, int decimales) const;
};

// The installed format; the system's until another is installed.
const FormatoNumerico& formatoNumerico();
// Returns the one installed before.
FormatoNumerico instalaFormatoNumerico(const FormatoNumerico& nuevo);

// Ten-thousandths rounded half to even to the given decimal places (0 to 4).
Moneda RedondeaMoneda(Moneda valor, int decimales);
