#include <gtest/gtest.h>

#include <cmath>

#include "chart/equidistancia.h"
#include "support/casos.h"

using namespace abat;
using namespace abat::prueba;

// The smallest and largest values, the interval and the first level.
using Rangos = abat::prueba::Tabla<double, double, double, double>;

// The interval over ranges of every kind, and its levels: multiples of it, increasing, 8 to 15 of
// them between the extremes, decimal ones the nearest double (0.3, not 0.30000000000000004).
// Interval 0 and no levels where 8 levels cannot be told apart.
TEST_P(Rangos, RoundIntervalGivingEightToFifteenLines) {
    const auto& [nombre, menor, mayor, intervalo, primero] = GetParam();
    const Equidistancia e = equidistancia(menor, mayor);
    EXPECT_EQ(e.intervalo, intervalo);
    const size_t n = e.niveles.size();
    EXPECT_TRUE(n == 0 ? intervalo == 0 : n >= 8 && n <= 15 && e.niveles[0] == primero) << n;
    for (size_t k = 0; k < n; ++k) {
        const double nivel = e.niveles[k];
        const double multiplo = nivel / intervalo;
        EXPECT_TRUE(nivel >= menor && nivel <= mayor &&
                    std::abs(multiplo - std::round(multiplo)) < 1e-9 &&
                    (k == 0 || nivel > e.niveles[k - 1]))
            << nivel;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Equidistancia, Rangos, testing::ValuesIn(std::vector<Rangos::ParamType>{{"de_0_a_10", 0, 10, 1, 0},
    {"cuartos", 0.12, 3.9, 0.25, 0.25}, {"de_2", 0, 16.5, 2, 0}, {"de_2_5", 0, 19.9, 2.5, 0}, {"de_5", 0, 35, 5, 0},
    {"decimas_sin_ruido", 0.25, 1.05, 0.1, 0.3}, {"diminuto", 0, 1e-6, 1e-7, 0}, {"negativo", -7.3, -0.4, 0.5, -7},
    {"a_ambos_lados_de_0", -3.2, 1.4, 0.5, -3}, {"cientos_de_miles", 1e5, 1.9e5, 1e4, 1e5}, {"billones", 2e12, 9e12, 1e12, 2e12},
    {"hasta_1e300", 0, 1e300, 1e299, 0}, {"todos_los_double", -1e308, 1e308, 2.5e307, -1e308},
    {"estrecho_lejos_de_0", 100.123, 100.124, 1e-4, 100.123}, {"igual", 5, 5, 0, 0}, {"ceros", 0, 0, 0, 0}, {"un_pelo", 1e6, 1e6 + 1e-9, 0, 0},
    {"al_reves", 3, 2, 0, 0}, {"nan", 0, NAN, 0, 0}, {"infinito", 0, INFINITY, 0, 0}, {"subnormal", 0, 5e-324, 0, 0}}), por_nombre);
// clang-format on

// Over a grid, its nodes without a value left out.
TEST(Equidistancia, OverAGridItsNodesWithValues) {
    EXPECT_EQ(equidistancia(Rejilla{0, 0, 1, 1, 2, 2, {NAN, 0.0, 9.5, NAN}}).intervalo, 1.0);
}
