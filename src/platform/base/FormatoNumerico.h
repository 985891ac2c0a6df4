#pragma once

#include "platform/base/Conversiones.h"

#include <QChar>
#include <QString>

#include <optional>

// How the workstation writes numbers for the operator: one object the
// program takes from the system's locale and tests set, so output never
// depends on the machine it runs on. SQL never uses it.
struct FormatoNumerico {
    QChar separadorDecimal = u'.';
    QChar separadorMiles = u',';
    int decimalesMoneda = 2;

    static FormatoNumerico delSistema();

    // The amount rounded half to even to `decimales` places (0 or more), with
    // exactly that many digits after the decimal separator and at least one
    // before it ("###0.00" for two places); grouped by thousands when asked.
    QString fijo(Moneda valor, int decimales, bool agrupa = false) const;
    // The amount's plain text: sign, digits and the decimal separator, without
    // grouping or trailing zeros ("1234,5").
    QString texto(Moneda valor) const;
    // The number a text holds in this format, as sign, digits and "."
    // ("-1234.5"): blanks and group separators are passed over. Nothing for a
    // text that is no number.
    std::optional<QString> numero(const QString& texto) const;
};

// The installed format; the system's until another is installed.
const FormatoNumerico& formatoNumerico();
// Returns the one installed before.
FormatoNumerico instalaFormatoNumerico(const FormatoNumerico& nuevo);

// Ten-thousandths rounded half to even to the given decimal places (0 to 4);
// Err 6 when the rounded amount leaves the currency range.
Moneda RedondeaMoneda(Moneda valor, int decimales);
