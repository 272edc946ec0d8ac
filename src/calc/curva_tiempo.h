#pragma once
// How the drawdown at a point grows with the pumping time: the time-drawdown curve of a
// pumping-test report, with each well's share of it.

#include <cstddef>
#include <string>
#include <vector>

#include "calc/datos_calculo.h"
#include "model/errores.h"

namespace abat {

// The times of the curve, in days: from three decades below the pumping time to one decade above
// it, evenly spaced on a logarithmic scale, `por_decada` to a decade. The pumping time itself is
// one of them, exactly.
struct TiemposCurva {
    std::vector<double> dias;
    size_t bombeo = 0;  // the index of the pumping time
};
TiemposCurva tiempos_curva(double tiempo, int por_decada = 50);

// The drawdown at (x, y) at each time: each well's share, rounded to four decimals as the results
// table shows it, and their sum, the total. At the pumping time the total is the table's
// "Abatimiento Total[m]" of the point.
struct CurvaTiempo {
    TiemposCurva tiempos;
    std::vector<std::vector<double>> partes;  // [well][time], m
    std::vector<double> total;                // [time], m
};

// Raises ErrorCalculo, naming the well, where a drawdown cannot be computed at some time.
CurvaTiempo curva_tiempo(const DatosCalculo& datos, double x, double y);

// The wells whose shares the chart draws: the `cuantos` largest at the pumping time (by size, an
// injection well's too), all of them when there are no more, the largest first; on a tie, in the
// wells' order.
std::vector<size_t> partes_mayores(const CurvaTiempo& curva, size_t cuantos = 10);

// The sum, at each time, of the shares of the wells not in `partes`.
std::vector<double> resto_de_partes(const CurvaTiempo& curva, const std::vector<size_t>& partes);

// The curve as a table of texts, the header row first: time, total, each well's share.
std::vector<std::vector<std::string>> tabla_curva(const CurvaTiempo& curva,
                                                  const std::vector<Pozo>& pozos);

}  // namespace abat
