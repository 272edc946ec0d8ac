#pragma once
// What the chart's worksheet holds: the wells in columns A and B, the points in C and D, and the
// grid nodes sorted into seven drawdown classes, x and y side by side in E to R. Row 1 of each
// y column names its series.

#include <array>
#include <string>

#include "calc/datos_calculo.h"
#include "chart/hoja.h"
#include "model/clases_abatimiento.h"
#include "model/nodos_red.h"

namespace abat {

struct ClaseAbatimiento {
    char columnaX;
    char columnaY;
    std::string_view nombre;
};

// Class k (1 to 7) at index k - 1.
const std::array<ClaseAbatimiento, numero_clases>& clases_abatimiento();

// "Pozos" in B1 and each well's x and y from row 2.
void escribir_pozos(Hoja& hoja, const std::vector<Pozo>& pozos);
// "Puntos" in D1 and each point's x and y from row 2.
void escribir_puntos(Hoja& hoja, const std::vector<Punto>& puntos);
// The seven class names in F1, H1, ..., R1.
void escribir_nombres_clases(Hoja& hoja);

// Writes every node with a drawdown (none beyond the aquifer's boundaries), in the grid's order,
// into the next free row of its class block. Returns each class's row counter: 2 plus the number of
// its nodes, the first empty row below its block. `nodo` walks the grid as the loop variable.
std::array<int, numero_clases> clasificar_nodos(Hoja& hoja, const colRed& nodos,
                                                std::optional<cRedG>& nodo);

}  // namespace abat
