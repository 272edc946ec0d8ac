#include <gtest/gtest.h>

#include <cmath>

#include "chart/equidistancia.h"

using namespace abat;

// The interval over ranges of every kind, and its levels: multiples of it, increasing, 8 to 15 of
// them between the extremes, decimal ones the nearest double (0.3, not 0.30000000000000004).
// Interval 0 and no levels where 8 levels cannot be told apart.
TEST(Equidistancia, RoundIntervalGivingEightToFifteenLines) {
    // clang-format off
    const std::vector<std::array<double, 4>> casos = {  // menor, mayor, intervalo, primer nivel
        {0, 10, 1, 0},            {0.12, 3.9, 0.25, 0.25},  {0, 16.5, 2, 0},
        {0, 19.9, 2.5, 0},        {0, 35, 5, 0},            {0.25, 1.05, 0.1, 0.3},
        {0, 1e-6, 1e-7, 0},       {-7.3, -0.4, 0.5, -7},    {-3.2, 1.4, 0.5, -3},
        {1e5, 1.9e5, 1e4, 1e5},   {2e12, 9e12, 1e12, 2e12}, {0, 1e300, 1e299, 0},
        {-1e308, 1e308, 2.5e307, -1e308}, {100.123, 100.124, 1e-4, 100.123},
        {5, 5, 0, 0}, {0, 0, 0, 0}, {1e6, 1e6 + 1e-9, 0, 0}, {3, 2, 0, 0}, {0, NAN, 0, 0},
        {0, INFINITY, 0, 0}, {0, 5e-324, 0, 0}};
    // clang-format on
    for (const auto& [menor, mayor, intervalo, primero] : casos) {
        const Equidistancia e = equidistancia(menor, mayor);
        EXPECT_EQ(e.intervalo, intervalo) << menor << ".." << mayor;
        const size_t n = e.niveles.size();
        EXPECT_TRUE(n == 0 ? intervalo == 0 : n >= 8 && n <= 15 && e.niveles[0] == primero)
            << menor;
        for (size_t k = 0; k < n; ++k) {
            const double nivel = e.niveles[k];
            const double multiplo = nivel / intervalo;
            EXPECT_TRUE(nivel >= menor && nivel <= mayor &&
                        std::abs(multiplo - std::round(multiplo)) < 1e-9 &&
                        (k == 0 || nivel > e.niveles[k - 1]))
                << nivel;
        }
    }
    // Over a grid, its nodes without a value left out.
    EXPECT_EQ(equidistancia(Rejilla{0, 0, 1, 1, 2, 2, {NAN, 0.0, 9.5, NAN}}).intervalo, 1.0);
}
