#pragma once
// The coefficients of the leaky aquifer's well function, for the scalar and the vector code alike:
// K0's rational approximations for double precision from Boost.Math's bessel_k0 (Boost Software
// License 1.0), lowest power first; and the table of w computed when the program is built.

#include <array>

namespace abat::coef_k0 {

// K0(x) = P2(x^2) - ln x ((P(a) / Q(a) + Y) a + 1), a = x^2 / 4, for x <= 1.
inline constexpr double cerca_y = 1.137250900268554688;
inline constexpr std::array<double, 5> cerca_p = {
    -1.372509002685546267e-01, 2.574916117833312855e-01, 1.395474602146869316e-02,
    5.445476986653926759e-04, 7.125159422136622118e-06};
inline constexpr std::array<double, 4> cerca_q = {
    1.000000000000000000e+00, -5.458333438017788530e-02, 1.291052816975251298e-03,
    -1.367653946978586591e-05};
inline constexpr std::array<double, 8> cerca_p2 = {
    1.159315156584124484e-01, 2.789828789146031732e-01, 2.524892993216121934e-02,
    8.460350907213637784e-04, 1.491471924309617534e-05, 1.627106892422088488e-07,
    1.208266102392756055e-09, 6.611686391749704310e-12};

// K0(x) = (P(1/x) / Q(1/x) + 1) e^-x / sqrt(x) for x > 1.
inline constexpr std::array<double, 9> lejos_p = {
    2.533141373155002416e-01,  3.628342133984595192e+00,  1.868441889406606057e+01,
    4.306243981063412784e+01,  4.424116209627428189e+01,  1.562095339356220468e+01,
    -1.810138978229410898e+00, -1.414237994269995877e+00, -9.369168119754924625e-02};
inline constexpr std::array<double, 9> lejos_q = {
    1.000000000000000000e+00, 1.494194694879908328e+01, 8.265296455388554217e+01,
    2.162779506621866970e+02, 2.845145155184222157e+02, 1.851714491916334995e+02,
    5.486540717439723515e+01, 6.118075837628957015e+00, 1.586261269326235053e-01};

}  // namespace abat::coef_k0

namespace abat::tabla_hantush {
#include "calc/tabla_hantush.inc"
}  // namespace abat::tabla_hantush
