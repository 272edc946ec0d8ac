#pragma once
// The well function W: a well pumping Q draws the aquifer down by Q W / (4 pi T). Every drawdown of
// the program takes it from here: the exact path and the engine's vectors (funcion_pozo_simd-inl.h,
// from the same coefficients), the curves, the map, the images' and the far sources' bounds and
// the pumping test's fits. Theis's W(u) of a confined aquifer, u = r^2 S / (4 T t), is the
// program's first well function.

#include "model/acuifero.h"
#include "model/unidades.h"

namespace abat {

// Below this u the six-term series is used, above it the exponential integral E1(u): the two
// curves cross here, so the switch is continuous. Beyond it the series departs from W(u) and then
// grows without bound (it would give W(10) = 100.18 where W(10) = 4.16e-6).
inline constexpr double u_cruce = 0.33863299081;

// The constants the drawdown is computed with: Euler's constant to six decimals, and 4*pi as a
// literal a hair below 4*pi. Other values would move the last decimals of the drawdowns shown.
inline constexpr double euler = 0.577216;
inline constexpr double cuatro_pi = 12.56637061435916;

// -0.577216 - ln u + u - u^2/4 + u^3/18 - u^4/96 + u^5/600, added left to right. u > 0.
double W_serie(double u);

// The exponential integral E1(u). u > 0.
double E1(double u);

// Theis's W(u) for u > 0: the series up to u_cruce, E1 beyond.
inline double funcion_pozo(double u) {
    return u <= u_cruce ? W_serie(u) : E1(u);
}

// u W'(u) of Theis's W: the series' own derivative up to u_cruce, -e^-u of E1 beyond.
double u_por_derivada(double u);

// At least W(v) for every v >= u > 0, as the exact path and the engine compute it (W decreases):
// E1(u) up to u = 1, where the series lies below it; beyond, e^-u ln(1 + 1/u) > E1(u) (Abramowitz
// and Stegun 5.1.20), with room for the few units in the last place the computed W may err by.
// It bounds |E1(z)| by E1(Re z) over the complex plane too. Infinite for u <= 0.
double cota_w(double u);

// The well function of an aquifer, as the exact path and the fits take it: Theis's W(u) of a
// confined aquifer; of a leaky one, Hantush and Jacob's W(u, r / B) (funcion_hantush.h).
class FuncionPozo {
  public:
    explicit FuncionPozo(const Acuifero& acuifero);

    // W at `u` of a source `r` metres away.
    double W(double u, double r) const;
    // u dW/du there at a fixed r / B, for the fits' Jacobians.
    double u_por_derivada(double u, double r) const;
    // At least W(v, r') for every v >= u and every r' >= r: cota_w(u), and of a leaky aquifer
    // also 2 K0(r / B), the steady drawdown it never exceeds.
    double cota(double u, double r) const;

    bool semiconfinado() const { return B_ > 0; }
    double B() const { return B_; }  // the leakage factor sqrt(T c), m; 0 when confined

  private:
    double B_ = 0;
};

}  // namespace abat
