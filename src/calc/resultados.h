#pragma once
// The summary table of the results window: for every point, the drawdown of each well and the
// total of them.

#include <string>
#include <string_view>

#include "calc/datos_calculo.h"
#include "model/declaraciones.h"
#include "model/errores.h"
#include "model/grid.h"
#include "model/registros.h"

namespace abat {

// The most drawdowns the results table holds, one per well and point. Each is kept as a text of
// some 32 bytes, so the largest table takes about 640 MB: as much as a desktop computer can give
// one table without swapping, and far more values than anyone reads.
inline constexpr long long limite_resultados = 20'000'000;

// Rebuilds `tabla` from the data of a calculation: columns " No. ", " Punto ", one
// "   Pozo <name>[m]   " per well and " Abatimiento Total[m] "; one row per point. Gives the same
// values as numbers. A failing (point, well) pair raises ErrorCalculo naming both, and leaves the
// rows written so far, without the total column.
Resultados calcular_resultados(const DatosCalculo& datos, Grid& tabla);
// The same from the wells and points tables and the time text (days), read by `leer_datos`.
Resultados calcular_resultados(const Declaraciones& d, const Grid& pozos, const Grid& puntos,
                               std::string_view tiempo, Grid& tabla);

}  // namespace abat
