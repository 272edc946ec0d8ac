#pragma once
// Polynomial interpolation in Chebyshev points over a box in plan: a sum that is smooth across a
// map is computed at a few points and read at every node of the map's grid from them.

#include <cstddef>
#include <span>
#include <vector>

namespace abat {

// The n + 1 Chebyshev points of the second kind over [a, b], from a to b (n >= 1).
std::vector<double> puntos_chebyshev(double a, double b, int n);

// The interpolant's amplification of what it is given: at most 1 + (2/pi) ln(n + 1) for n + 1
// Chebyshev points (the Lebesgue constant).
double lebesgue_chebyshev(int n);

// The weights that give, at each of `x`, the polynomial through the values at `puntos`
// (puntos_chebyshev): x.size() rows of puntos.size(), by the barycentric formula.
std::vector<double> pesos_chebyshev(const std::vector<double>& puntos, std::span<const double> x);

// The values at the tensor grid px x py (`valores` row after row in y, px.size() to a row) read at
// every node of the grid x x y, row after row in y, as a Rejilla holds them.
std::vector<double> interpolar_chebyshev(std::span<const double> valores,
                                         const std::vector<double>& px,
                                         const std::vector<double>& py, std::span<const double> x,
                                         std::span<const double> y);

}  // namespace abat
