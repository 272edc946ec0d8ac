#pragma once
// The linear value axes of the charts: the plan's x and y, the drawdown of the time curves.

#include <QValueAxis>

#include "chart/escala_ejes.h"

namespace abat {

// An axis over the limits of `escala`, a grid line at each unit labelled as the program writes
// numbers (number_to_text: "0.3", "100000", "1E-06"), in black on light grey grid lines. Raises
// the overflow ErrorCalculo when Qt refuses the range (a span it cannot tell from zero): it would
// keep 0..1 and be labelled at the tiny unit forever.
QValueAxis* eje_lineal(const EscalaEje& escala);

// The labels' format of the charts' other axes (the time's, logarithmic): printf's %.15G writes
// a number as number_to_text does, 15 significant digits, 'E' for the exponent.
inline constexpr const char* formato_numeros = "%.15G";

}  // namespace abat
