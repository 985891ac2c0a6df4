#pragma once

#include <QString>
#include <QVariant>

#include <cstdint>

// Decimales: -3 leaves the text as it came, -1 takes the configured amount
// decimals, 0 the currency decimals of the workstation's number format, -2 none,
// n > 0 that many. The amount is rounded half to even in currency, never
// through a double. Errors go to the error routine; what was set by then is
// the result.
QString FmtMoneda(const QString& Importe, int Decimales, bool SeparadorMiles);

// Minutes as clock text "HH:MM" with the configured "SeparadorHora" (":"
// when blank), or as decimal hours ".50" when it is "."; the clock form also
// hands back the whole hours and the minutes left. Null or empty is 0; a
// value that is no number raises Err 13.
QString MinutosAHora(const QVariant& Minutos, int32_t& Horas, int32_t& MinutosResto);
// The same with the separator already read, for callers that convert many.
QString MinutosAHora(const QVariant& Minutos, int32_t& Horas, int32_t& MinutosResto, const QString& Separador);
// The separator MinutosAHora takes from the configuration.
QString SeparadorHora();
