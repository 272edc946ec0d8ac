#pragma once
// What one calculation reads from the windows, converted once: the aquifer, the wells and the
// points with their names, and the time. The results, the chart, the curves, the map and the
// error's culprit all work from it; nothing reads the tables again while a calculation runs.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/contorno.h"
#include "calc/perdidas_pozo.h"
#include "model/acuifero.h"
#include "model/declaraciones.h"
#include "model/grid.h"
#include "model/numeros.h"
#include "model/registros.h"

namespace abat {

struct DatosCalculo {
    Acuifero acuifero;
    double tiempo = 0.0;  // days
    std::vector<Pozo> pozos;
    std::vector<Punto> puntos;
    // The aquifer's boundaries, admitted and classified once (admitir_limites); none: an aquifer
    // without bounds.
    Contorno contorno = {};
    // Each well's pumping steps after the first (its rate from 0 on), admitted (admitir_etapas);
    // shorter than `pozos` when the last wells have none.
    std::vector<std::vector<Etapa>> etapas = {};
    // Each well's loss through its screen (admitir_perdidas), shorter when the last have none:
    // the level inside the wells only; no drawdown in the aquifer holds it.
    std::vector<std::optional<PerdidaPozo>> perdidas = {};

    // Neither boundaries nor steps: every well is itself alone, pumping from 0 on.
    bool solo_pozos() const;
    // Well `k`'s rate after `dias` days, its steps taken.
    LecturaEstricta caudal_en(size_t k, double dias) const;
    // Each well's state after `dias` days; none when every well is pumping then.
    std::vector<EstadoPozo> estados_en(double dias) const;
};

// Reads the records of the wells and points tables and the time text in days: the diameter,
// the coordinates and the time by the leading-number rule, the rate by the strict rule, whose
// failure stays for the calculation to raise where the rate is needed.
DatosCalculo leer_datos(const Declaraciones& d, const Grid& tablaPozos, const Grid& tablaPuntos,
                        std::string_view tiempo);

}  // namespace abat
