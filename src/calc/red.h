#pragma once
// The grid of drawdowns drawn in the chart: 23 x 23 nodes over the chart's axis limits, reaching
// one grid step beyond them on every side.

#include "calc/datos_calculo.h"
#include "model/declaraciones.h"
#include "model/errores.h"

namespace abat {

// Fills d.xRed, d.yRed and replaces d.nodos by the 529 nodes, grid column after grid column
// (increasing x), each column by increasing y; a node beyond the aquifer's boundaries has the
// drawdown NaN. Raises ErrorCalculo naming the well and the node;
// the grid then stays incomplete.
void generar_red(Declaraciones& d, const DatosCalculo& datos, double xmin, double xmax, double ymin,
                 double ymax);

}  // namespace abat
