#pragma once
// The Theis well function W(u) of a confined aquifer.

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

// W(u) for u > 0: the series up to u_cruce, E1 beyond.
inline double funcion_pozo(double u) {
    return u <= u_cruce ? W_serie(u) : E1(u);
}

}  // namespace abat
