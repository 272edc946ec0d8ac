#include <gtest/gtest.h>

#include <cmath>

#include "chart/escala_ejes.h"
#include "model/errores.h"

using namespace abat;

// Data from `menor` to `mayor`: the limits and the unit. Mirrored data give mirrored limits;
// decimal limits come without rounding noise; equal values are spread to 0 first, and values a
// hair apart count as equal.
TEST(EscalaEjes, RoundLimitsJustBeyondTheData) {
    // clang-format off
    const std::vector<std::array<double, 5>> casos = {
        {100, 930, 0, 1000, 100},  {82, 97, 80, 98, 2},       {80, 97, 0, 100, 10},
        {-3.2, 7.9, -4, 10, 2},    {-97, -82, -98, -80, 2},   {-97, -80, -100, 0, 10},
        {0.2, 1.4, 0, 1.6, 0.2},   {0.1, 0.3, 0, 0.35, 0.05}, {5, 5, 0, 6, 1},
        {-5, -5, -6, 0, 1},        {0, 0, 0, 1.2, 0.2},       {0, 1e-13, 0, 1.2, 0.2},
        {1e6, 1e6 + 1e-9, 0, 1.2e6, 2e5}, {1234567, 1234568, 1234566.8, 1234568.2, 0.2},
        {0.5, 0.5 + 1.005e-9, 0.4999999998, 0.5000000012, 2e-10}};  // just beyond a hair
    // clang-format on
    for (const auto& c : casos) {
        const EscalaEje e = escala_automatica(c[0], c[1]);
        EXPECT_EQ(std::tuple(e.minimo, e.maximo, e.unidad, std::signbit(e.maximo)),
                  std::tuple(c[2], c[3], c[4], c[3] < 0))  // 0 is labelled "0", never "-0"
            << c[0] << ".." << c[1];
    }
}

// Extremes that once kept an axis from being labelled: limits that hold the data, with a score
// of distinct ticks at most. Extremes whose axis no double can span: the overflow error, blamed on
// the extent.
TEST(EscalaEjes, HostileExtremesGiveALabelableAxisOrOverflow) {
    // clang-format off
    const std::vector<std::pair<double, double>> hostiles = {
        {0, 1e-13},        {0, 1e-300},      {0, 4.9e-324},   {-4.9e-324, 4.9e-324},
        {1e6, 1e6 + 1e-9}, {1e15, 1e15 + 1}, {-1e-10, 1e-10}, {-7e-10, 2e-10},
        {-1e300, 1e300},   {0, 1e308}};
    // clang-format on
    for (const auto& [menor, mayor] : hostiles) {
        const EscalaEje e = escala_automatica(menor, mayor);
        const double ticks = (e.maximo - e.minimo) / e.unidad;
        EXPECT_TRUE(e.minimo <= menor && e.maximo >= mayor && ticks >= 1 && ticks <= 25 &&
                    e.minimo + e.unidad != e.minimo)
            << menor << ".." << mayor;
    }
    for (const auto& [menor, mayor] : {std::pair{-1e308, 1e308}, {1.7e308, 1.7e308}}) {
        try {
            escala_automatica(menor, mayor);
            ADD_FAILURE() << menor << ".." << mayor;
        } catch (const ErrorCalculo& e) {
            EXPECT_EQ(std::pair(e.numero(), e.causa), std::pair(6, Causa::extension)) << menor;
        }
    }
}
