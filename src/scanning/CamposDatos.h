#pragma once

#include <QString>

#include <optional>

// The voucher number parts are kept zero-filled: "Sucursal" to 4 digits,
// "Numero" to 8 (data-field names in any case). The text the field takes
// when the operator leaves it with the advance key; nothing for the other
// fields, which keep what was typed.
std::optional<QString> TextoValidado(const QString& dataField, const QString& texto);

// The trimmed text as a whole number with leading zeros to the width; text
// that is no number is returned trimmed.
QString FormatoCeros(const QString& texto, int digitos);
