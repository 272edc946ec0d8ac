#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "errores.h"
#include "escala_ejes.h"

using namespace abat;

namespace {

struct Caso {
    double menor, mayor, minimo, maximo, unidad;
};

// Hostile limits: tiny, denormal, huge, mixed signs, equal, and spans tiny against the values.
const double hostiles[][2] = {
    {0, 1e-13},         {0, 1e-300},
    {0, 4.9e-324},      {-4.9e-324, 4.9e-324},
    {1e6, 1e6 + 1e-9},  {-1e6 - 1e-9, -1e6},
    {1e300, 1e300},     {-1e300, 1e300},
    {0, 1e308},         {-1e308, 0},
    {1e-12, 3e-12},     {-7e-10, 2e-10},
    {123.456, 123.456}, {0, 0},
    {-3, -3},           {1e15, 1e15 + 1},
    {2.5e-8, 2.6e-8},   {-1e-5, 1e5},
    {5e-324, 1e-323},   {-1e307, 1e308},
};

}  // namespace

TEST(EscalaEjes, SpreadsheetRuleMadeDeterministic) {
    const Caso casos[] = {
        {100, 930, 0, 1000, 100},
        {82, 97, 80, 98, 2},
        {80, 97, 0, 100, 10},
        {-3.2, 7.9, -4, 10, 2},
        {-97, -82, -98, -80, 2},  // the mirror of 82..97
        {-97, -80, -100, 0, 10},  // and of 80..97
        {0.2, 1.4, 0, 1.6, 0.2},  // decimal limits without rounding noise
        {0.1, 0.3, 0, 0.35, 0.05},
        {1234567, 1234568, 1234566.8, 1234568.2, 0.2},
        // Equal values are spread to 0 first; values a hair apart count as equal.
        {5, 5, 0, 6, 1},
        {-5, -5, -6, 0, 1},
        {0, 0, 0, 1.2, 0.2},
        {0, 1e-13, 0, 1.2, 0.2},
        {0, 4.9e-324, 0, 1.2, 0.2},
        {1e6, 1e6 + 1e-9, 0, 1.2e6, 2e5},
    };
    for (const Caso& c : casos) {
        const EscalaEje e = escala_automatica(c.menor, c.mayor);
        EXPECT_EQ(e.minimo, c.minimo) << c.menor << ".." << c.mayor;
        EXPECT_EQ(e.maximo, c.maximo) << c.menor << ".." << c.mayor;
        EXPECT_EQ(e.unidad, c.unidad) << c.menor << ".." << c.mayor;
    }
}

// Whatever finite limits come in, the axis holds them, has a width, and has a small number of
// ticks that are distinct numbers; or the limits overflow, a calculation error.
TEST(EscalaEjes, AnyFiniteLimitsGiveALabelableAxis) {
    for (const auto& h : hostiles) {
        SCOPED_TRACE(testing::Message() << h[0] << ".." << h[1]);
        const EscalaEje e = escala_automatica(h[0], h[1]);
        EXPECT_LE(e.minimo, h[0]);
        EXPECT_GE(e.maximo, h[1]);
        EXPECT_GT(e.unidad, 0);
        const double ticks = (e.maximo - e.minimo) / e.unidad;
        EXPECT_GE(ticks, 1);
        EXPECT_LE(ticks, 25);
        EXPECT_NE(e.maximo - e.unidad, e.maximo);
        EXPECT_NE(e.minimo + e.unidad, e.minimo);
    }
    const double inf = std::numeric_limits<double>::infinity();
    for (const auto& h : {std::pair{-1e308, 1e308}, std::pair{1.7e308, 1.7e308},
                          std::pair{-1e307, 1.5e308}, std::pair{0.0, inf}, std::pair{-inf, 0.0}}) {
        EXPECT_THROW(escala_automatica(h.first, h.second), ErrorCalculo);
    }
}
