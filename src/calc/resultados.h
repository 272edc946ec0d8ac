#pragma once
// The summary table of the results window: for every point, the drawdown of each well and the
// total of them.

#include <string_view>

#include "datos_calculo.h"
#include "declaraciones.h"
#include "errores.h"
#include "grid.h"

namespace abat {

// The most drawdowns the results table holds, one per well and point. Each is kept as a text of
// some 32 bytes, so the largest table takes about 640 MB: as much as a desktop computer can give
// one table without swapping, and far more values than anyone reads.
inline constexpr long long limite_resultados = 20'000'000;

// Rebuilds `resultados` from the wells table, the points table and the time text (days): columns
// " No. ", " Punto ", one "   Pozo <name>[m]   " per well and " Abatimiento Total[m] "; one row
// per point. A failing (point, well) pair raises ErrorCalculo naming both, and leaves the rows
// written so far, without the total column.
void calcular_resultados(const Declaraciones& d, const Grid& pozos, const Grid& puntos,
                         std::string_view tiempo, Grid& resultados);
// The same from the data `leer_datos` has read from those tables and the time.
void calcular_resultados(const DatosCalculo& datos, const Grid& pozos, const Grid& puntos,
                         Grid& resultados);

}  // namespace abat
