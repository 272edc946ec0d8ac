#include <gtest/gtest.h>

#include <charconv>
#include <cmath>

#include "equidistancia.h"

using namespace abat;

namespace {

// The number as 15 significant digits write it, read back.
double escrito(double v) {
    std::array<char, 32> texto{};
    const auto fin = std::to_chars(texto.begin(), texto.end(), v, std::chars_format::general, 15);
    double leido = 0;
    std::from_chars(texto.begin(), fin.ptr, leido);
    return leido;
}

}  // namespace

// The interval over ranges of every kind, and its levels: multiples of it, increasing, 8 to 15
// of them between the extremes, decimal ones as written (0.3, not 0.30000000000000004).
TEST(Equidistancia, RoundIntervalGivingEightToFifteenLines) {
    // clang-format off
    const std::vector<std::array<double, 4>> casos = {  // menor, mayor, intervalo, primer nivel
        {0, 10, 1, 0},            {0.12, 3.9, 0.25, 0.25},  {0, 16.5, 2, 0},
        {0, 19.9, 2.5, 0},        {0, 24, 2.5, 0},          {0, 35, 5, 0},
        {0, 40, 5, 0},            {0, 1e-6, 1e-7, 0},       {3e-4, 1.1e-3, 1e-4, 3e-4},
        {-7.3, -0.4, 0.5, -7},    {-3.2, 1.4, 0.5, -3},     {-1.05, 0.05, 0.1, -1},
        {1e5, 1.9e5, 1e4, 1e5},   {2e12, 9e12, 1e12, 2e12}, {0, 1e300, 1e299, 0},
        {-1e308, 1e308, 2.5e307, -1e308}, {100.123, 100.124, 1e-4, 100.123}};
    // clang-format on
    for (const auto& [menor, mayor, intervalo, primero] : casos) {
        const Equidistancia e = equidistancia(menor, mayor);
        EXPECT_EQ(e.intervalo, intervalo) << menor << ".." << mayor;
        ASSERT_TRUE(e.niveles.size() >= 8 && e.niveles.size() <= 15) << menor << ".." << mayor;
        EXPECT_EQ(e.niveles.front(), primero) << menor << ".." << mayor;
        for (size_t k = 0; k < e.niveles.size(); ++k) {
            const double n = e.niveles[k];
            const double multiplo = n / e.intervalo;
            EXPECT_TRUE(n >= menor && n <= mayor && n == escrito(n) &&
                        std::abs(multiplo - std::round(multiplo)) < 1e-9 &&
                        (k == 0 || n > e.niveles[k - 1]))
                << n;
        }
    }
}

// Ranges with no round interval to draw: no isolines.
TEST(Equidistancia, NoneWhereNoEightLevelsCanBeToldApart) {
    const std::vector<std::pair<double, double>> casos = {
        {5, 5}, {-2, -2}, {0, 0}, {1e6, 1e6 + 1e-9}, {3, 2}, {0, NAN}, {0, INFINITY}, {0, 5e-324}};
    for (const auto& [menor, mayor] : casos) {
        const Equidistancia e = equidistancia(menor, mayor);
        EXPECT_TRUE(e.intervalo == 0 && e.niveles.empty()) << menor << ".." << mayor;
    }
}

// Over a grid, the nodes without a value are left out.
TEST(Equidistancia, OverAGridItsValuesOnly) {
    const Rejilla r{0, 0, 1, 1, 2, 2, {NAN, 0.0, 9.5, NAN}};
    EXPECT_EQ(equidistancia(r).intervalo, 1.0);
    EXPECT_TRUE(equidistancia(Rejilla{0, 0, 1, 1, 1, 1, {NAN}}).niveles.empty());
}
