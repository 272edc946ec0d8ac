#pragma once
// The summary table of the results window: for every point, the drawdown of each well and the
// total of them.

#include <string>
#include <string_view>

#include "calc/datos_calculo.h"
#include "model/declaraciones.h"
#include "model/errores.h"
#include "model/grid.h"

namespace abat {

// The most drawdowns the results table holds, one per well and point. Each is kept as a text of
// some 32 bytes, so the largest table takes about 640 MB: as much as a desktop computer can give
// one table without swapping, and far more values than anyone reads.
inline constexpr long long limite_resultados = 20'000'000;

// How a well is named wherever its share of the drawdown is shown: "Pozo NOMBRE".
std::string nombre_pozo(const std::string& nombre);
// The header of its share, in metres: "Pozo NOMBRE[m]".
std::string encabezado_pozo(const std::string& nombre);

// Rebuilds `resultados` from the data of a calculation: columns " No. ", " Punto ", one
// "   Pozo <name>[m]   " per well and " Abatimiento Total[m] "; one row per point. A failing
// (point, well) pair raises ErrorCalculo naming both, and leaves the rows written so far, without
// the total column.
void calcular_resultados(const DatosCalculo& datos, Grid& resultados);
// The same from the wells and points tables and the time text (days), read by `leer_datos`.
void calcular_resultados(const Declaraciones& d, const Grid& pozos, const Grid& puntos,
                         std::string_view tiempo, Grid& resultados);

}  // namespace abat
