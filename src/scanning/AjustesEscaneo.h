#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The scanning settings of the first tab: copies, resolution, proportion and
// scan type.

struct RangoAjuste {
    double minimo;
    double maximo;
    const char* porDefecto;  // the text the field returns to when out of range
    bool entero;             // checked after rounding to a whole number
};

inline constexpr RangoAjuste RangoCopias{1, 99, "1", true};
inline constexpr RangoAjuste RangoResolucion{1, 4800, "290", false};
inline constexpr RangoAjuste RangoProporcion{1, 500, "100", false};

inline constexpr double ResolucionPorDefecto = 290;
inline constexpr double ResolucionMinima = 70;

// The number the field holds (blanks around it allowed, "." as decimal
// point); nothing when the text is not a number.
std::optional<double> NumeroDeCampo(const QString& texto);

// What a change of a field's text leads to: the value to keep when it is a
// number within the range, or the text the field returns to when it is a
// number outside it. Text that is no number yields neither, so the window
// keeps its last valid value while the operator is still typing.
struct RevisionAjuste {
    std::optional<double> valor;
    std::optional<QString> textoCorregido;
};
RevisionAjuste RevisaAjuste(const QString& texto, const RangoAjuste& rango);

// "Blanco y Negro" 0, "Escala de Grises" 1, "Colores" 2 (any case); any
// other text 0.
int TipoPixelDe(const QString& tipoEscaneo);

// The callers ask for one copy and let the field decide; a field without a
// valid number leaves the copies asked for.
int16_t CopiasAEscanear(int16_t copiasPedidas, const QString& textoCopias);

// The resolution sent to the scanner: the window's, or the default when the
// field holds no number; never below the scanner's minimum.
double ResolucionAEscanear(double resolucion, const QString& textoResolucion);
