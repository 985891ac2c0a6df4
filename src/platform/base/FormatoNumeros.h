#pragma once

#include "platform/base/Conversiones.h"

#include <QString>

#include <optional>

// The workstation's number format: how amounts are shown to the operator and
// how the numbers the operator types are read. SQL never takes its forms.
struct FormatoNumeros {
    QString SeparadorDecimal = QStringLiteral(".");
    QString SeparadorMiles = QStringLiteral(",");
    int DecimalesMoneda = 2;  // fractional digits of the currency format

    // The format of the system locale.
    static FormatoNumeros DelSistema();

    // The amount's plain text: sign, digits and this decimal separator,
    // without grouping or trailing zeros ("1234,5").
    QString Texto(Moneda importe) const;
    // The amount rounded half to even to `decimales` (0 or more), with exactly
    // that many digits after the separator and at least one before it; the
    // integer part grouped by thousands when asked.
    QString Formatea(Moneda importe, int decimales, bool agrupa) const;
    // The number the text holds in this format, as sign, digits and "."
    // ("-1234.5"): blanks and group separators are passed over. Nothing for a
    // text that is no number.
    std::optional<QString> Numero(const QString& texto) const;
};

// The installed format; the system's until one is installed.
const FormatoNumeros& FormatoNumerosActual();
// Returns the one installed before.
FormatoNumeros InstalaFormatoNumeros(const FormatoNumeros& nuevo);
