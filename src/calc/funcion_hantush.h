#pragma once
// The leaky aquifer's well function (Hantush and Jacob): a well pumping through an aquifer that
// an aquitard feeds from above draws it down by Q W(u, beta) / (4 pi T), u = r^2 S / (4 T t),
// beta = r / B, B = sqrt(T c) the leakage factor, c the aquitard's resistance:
//
//     W(u, beta) = ∫_u^∞ exp(-y - beta^2 / (4 y)) dy / y.
//
// With v = beta^2 / (4 u) (= t / (S c), the same at every distance from a well at one time), W is
// the lower half of the function w(p, q) = ∫_1^∞ exp(-p s - q / s) ds / s, p = max(u, v),
// q = min(u, v): W = w(u, v) where u >= v, and by the reflection W(u, beta) + W(v, beta) =
// 2 K0(beta) where u < v, W = 2 K0(beta) - w(v, u). Where both halves are at most K0(beta) no
// digit is lost. w(p, q) comes from a table of ln w computed when the program is built (Chebyshev
// series over cells of ln p and ln q, malla_hantush.h), or, for q <= 0.082, from its series in
// the exponential integrals, sum (-q)^n / n! E_{n+1}(p). Relative error below 1e-11 wherever
// W >= 1e-30; where p + q > 75, w < 3e-33 is taken as 0.

#include <array>
#include <cstddef>
#include <vector>

namespace abat {

// The modified Bessel function K0(x), x > 0: Boost.Math's rational approximations for double
// precision (Boost Software License 1.0), written out so that the engine's vectors compute the
// same.
double K0(double x);

// W(u, beta) for u > 0, beta >= 0; E1(u) for beta = 0.
double W_hantush(double u, double beta);

// The lower half w(p, q), q <= p.
double w_inferior(double p, double q);

// One source's W at one time as the engine's vectors take it: v = beta^2 / (4 u) is the source's
// at every place, so W is a function of u alone; the table's series restricted to v's row (u >= v,
// x = ln u) and column (u < v, y = ln u), or the series' coefficients where v or u is below 0.082.
struct HantushFuente {
    double v = 0;
    // u >= v.
    bool serie_fila = false;  // v <= 0.082: sum c_n E_{n+1}(u), c_n = (-v)^n / n!
    std::array<double, 10> fila_serie{};
    int fila_desde = 0;  // the cells of x with a series in v's row: [desde, hasta)
    int fila_hasta = 0;
    std::vector<double> fila;  // terminos a cell, from fila_desde
    double u_cero = 0;         // 75 - v: from there on W is 0
    // u < v: W = 2 K0(beta) - w(v, u).
    bool solo_k0 = false;                    // v > 75: w(v, u) is 0
    std::array<double, 10> columna_serie{};  // u <= 0.082: sum_n (-1)^n E_{n+1}(v) / n! u^n
    int columna_desde = 0;                   // the cells of y with a series in v's column
    int columna_hasta = 0;
    std::vector<double> columna;
};

HantushFuente hantush_fuente(double v);

// W at u of a source so restricted, as the engine's vectors compute it.
double W_hantush(const HantushFuente& f, double u);

// The same source's ln W as a function of ln u alone (W itself in the first cells, where it
// changes little), from u_desde up to where W is 0: a Chebyshev
// series over cells of ln u, fitted to the values at its points, kept as powers of t, the cell's
// coordinate in [-1, 1], so that Horner's rule takes one fused multiply-add a term (the series'
// coefficients fall fast enough that the powers lose no digit). It makes the engine's vectors
// quick where a source is evaluated at many places, for the cost of some 500 values of W; it
// agrees with the restriction to some 1e-13. Near the source its series in u takes the cells'
// place (u_cerca below).
struct HantushLog {
    // Cells a unit wide in ln u, and series fitted at degree 20 and cut where they have converged
    // (degree 7 to 12 mostly): the places a vector of the engine holds lie mostly in one cell or
    // across one border, the chains of its sums being no longer.
    static constexpr double lado = 1.0;
    static constexpr int grado_ajuste = 20;  // of the fit
    static constexpr int terminos = grado_ajuste + 1;

    // W itself, not its logarithm, in the first cells where it changes by less than this factor
    // across one: no exponential there (near the wells, where most places lie).
    static constexpr double cambio_directo = 2;

    double u_desde = 0;  // below it, the restriction
    double x_desde = 0;  // ln u_desde
    int celdas = 0;
    int directas = 0;               // the first cells, whose polynomial is W's
    std::vector<double> potencias;  // terminos a cell, from t⁰; 0 beyond the cell's degree
    int grado = 0;                  // the greatest of the cells', where their series converged
    double u_cero = 0;              // W is 0 from there on

    // Near the source, up to u_cerca = min(1, 1/v): W = B(u) - ln u A(u), A and B polynomials
    // in u, with no cell to find and no exponential, where most places lie.
    static constexpr size_t terminos_cerca = 20;
    double u_cerca = 0;
    int grado_cerca = 0;
    std::array<double, terminos_cerca> cerca_a{};
    std::array<double, terminos_cerca> cerca_b{};
};
HantushLog hantush_log(const HantushFuente& f, double u_desde);
double W_hantush(const HantushLog& l, double u);

}  // namespace abat
