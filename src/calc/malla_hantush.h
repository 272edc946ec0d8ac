#pragma once
// The grid of the leaky aquifer's table (funcion_hantush.h), shared by the program that computes
// it when the program is built and by the functions that read it: ln W of the well function's
// lower half, L(x, y) = ln ∫_1^∞ exp(-p s - q / s) ds / s with x = ln p, y = ln q, in square cells
// of side 0.25 from -2.5 on, each a Chebyshev series of degree 10 in x and in y. Only the cells
// that meet q <= p and p + q <= 75 have one: beyond, W < 3e-33 counts as 0.

#include <algorithm>
#include <cmath>

namespace abat::malla_hantush {

inline constexpr double origen = -2.5;  // ln q0: below q0 = 0.082 a series takes the table's place
inline constexpr double lado = 0.25;
inline constexpr int celdas = 28;  // along x and along y, up to 4.5
inline constexpr int grado = 10;
inline constexpr int terminos = grado + 1;
inline constexpr int coeficientes = terminos * terminos;  // of a cell, x's index first
inline constexpr double suma_maxima = 75;                 // p + q

// Whether cell (i along x, j along y) holds a series: its corner nearest the origin within q <= p
// lies within p + q <= suma_maxima.
inline bool tiene_serie(int i, int j) {
    const double xa = origen + i * lado;
    const double ya = origen + j * lado;
    if (xa + lado < ya) return false;
    return std::exp(std::max(xa, ya)) + std::exp(ya) <= suma_maxima;
}

}  // namespace abat::malla_hantush
