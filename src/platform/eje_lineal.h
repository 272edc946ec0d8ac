#pragma once
// The linear value axes of the charts: the plan's x and y, the drawdown of the time curves.

#include <QValueAxis>

#include "escala_ejes.h"

namespace abat {

// An axis over the limits of `escala`, a labelled grid line at each unit, in black on light grey
// grid lines. Raises the overflow ErrorCalculo when Qt refuses the range (a span it cannot tell
// from zero): it would keep 0..1 and be labelled at the tiny unit forever.
QValueAxis* eje_lineal(const EscalaEje& escala);

}  // namespace abat
