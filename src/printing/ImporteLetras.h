#pragma once

#include <QString>

#include <array>
#include <optional>

// The word tables of the amounts in words; index 0 of each is empty.
struct TablasLetras {
    std::array<QString, 10> Unidades;
    std::array<QString, 10> Decenas;
    std::array<QString, 11> Centenas;  // 10 is "cien"
    std::array<QString, 10> DecenasCompuestas;
    std::array<QString, 16> Especiales;  // 11 to 15 are read
};

// Fills the tables on the first call; every call gives them.
const TablasLetras& InicializaTablasLetras();

// The whole number the text holds (read in the workstation's number format)
// in Spanish words, "menos " in front when negative; below 1, or no number,
// "cero". From a million million on it spells billions.
QString NumeroALetras(const QString& TextoNumero);

// The amount in words: the whole part, the currency word, and the cents after
// "con " followed by the suffix. With a width the text is fitted to exactly
// that many characters; a negative width raises Err 5.
QString ImporteALetras(const QString& Importe, std::optional<int> Ancho = std::nullopt,
                       const std::optional<QString>& Moneda = std::nullopt,
                       const std::optional<QString>& Sufijo = std::nullopt);
