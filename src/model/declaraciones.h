#pragma once
// The data that the windows and the calculation share for the whole run: the aquifer and the
// drawdown grid last computed. The wells, the points and the time live in their windows.

#include <array>
#include <optional>

#include "model/nodos_red.h"

namespace abat {

inline constexpr int nodos_por_eje = 23;

struct Declaraciones {
    double T = 0.0;                            // transmissivity, m2/s
    double S = 0.0;                            // storage coefficient
    std::array<double, nodos_por_eje> xRed{};  // x of the grid's node columns, m
    std::array<double, nodos_por_eje> yRed{};  // y of the grid's node rows, m
    std::optional<cRedG> nodo;                 // scratch node while the grid is built or walked
    std::optional<colRed> nodos;               // the grid; empty until the first one is built
};

}  // namespace abat
