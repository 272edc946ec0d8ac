#pragma once
// The sources far from a map: across the map's box their drawdown is smooth, and analytic in a
// neighbourhood of it, so their sum is computed at the (n + 1)^2 Chebyshev points of the box and
// interpolated to every node (interpolacion_chebyshev.h), to a bound proven for each source.
//
// Along x at a fixed y of the box, a source's share k W(c ((x - X)^2 + (y - Y)^2)) is analytic
// wherever the argument u has Re u > 0, and there |W(u)| <= W(Re u). Over the Bernstein ellipse
// E_rho of the box's span in x (semi-axes a and b about its centre), Re u >= c (dX^2 + dY^2 - b^2)
// with dX the distance from X to the ellipse's span and dY from Y to the box's span in y. Where
// that is positive, the interpolant of degree n errs by at most 4 M rho^-n / (rho - 1), M the
// bound of |k W| on the ellipse (Trefethen, Approximation Theory and Approximation Practice,
// theorem 8.2); the well function's bound cota_w(Re u) bounds M. The same along
// y; the tensor interpolant errs by at most the error along one direction plus the Lebesgue
// constant times the error along the other. All this holds for E1 alone: a source is interpolated
// only where u > u_cruce over the whole box, for below it W is the series, whose switch to E1 is
// continuous but not smooth.

#include <cstddef>
#include <vector>

#include "calc/funcion_pozo.h"
#include "calc/pozos_vector.h"
#include "model/geometria.h"

namespace abat {

// What the interpolation may add to a node's error at most, m.
inline constexpr double tolerancia_lejanas = 1e-6;

// The bound of the error of the degree-n interpolant, over `caja`, of the share of a source at
// (x, y) of k metres per unit of W and scale of u c (u = c r^2); infinite for a source in the box
// or too near it for any ellipse.
double cota_interpolacion(double x, double y, double k, double c, const Caja& caja, int n);

// Which sources are interpolated and at what degree.
struct Reparto {
    int grado = 0;              // 0: none; every source is summed at every node
    std::vector<char> lejanas;  // one per source: interpolated
    double cota = 0.0;          // m: the sum of their bounds, at most the tolerance
};

// The degree and the sources that make the map of `nodos` nodes over `caja` cheapest, the bounds
// of those interpolated adding up to at most `tolerancia`; none where that saves little, nor one
// whose radius reaches the box (its share is flat there). The sources' scales are `c_comun` or,
// when they have them, their own.
Reparto repartir_fuentes(const PozosVector& fuentes, double c_comun, const Caja& caja, size_t nodos,
                         const FuncionPozo& funcion, double tolerancia = tolerancia_lejanas);

// The sources of `fuentes` whose mark in `marcas` is `cuales`, as the loops read them.
PozosVector elegir_fuentes(const PozosVector& fuentes, const std::vector<char>& marcas,
                           bool cuales);

}  // namespace abat
