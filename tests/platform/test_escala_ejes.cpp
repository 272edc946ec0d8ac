#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "errores.h"
#include "escala_ejes.h"

using namespace abat;

namespace {

struct Caso {
    double menor, mayor, minimo, maximo, unidad;
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

// Limits that once hung the chart, or overflow: a small number of distinct ticks, or error 6.
// (fuzz_ejes checks the same for any finite pair.)
TEST(EscalaEjes, HostileLimitsGiveALabelableAxis) {
    for (const auto& [menor, mayor] : {std::pair{-4.9e-324, 4.9e-324}, std::pair{-1e300, 1e300},
                                       std::pair{-7e-10, 2e-10}, std::pair{1e15, 1e15 + 1}}) {
        const EscalaEje e = escala_automatica(menor, mayor);
        EXPECT_TRUE(e.minimo <= menor && e.maximo >= mayor) << menor << ".." << mayor;
        const double ticks = (e.maximo - e.minimo) / e.unidad;
        EXPECT_TRUE(ticks >= 1 && ticks <= 25 && e.minimo + e.unidad != e.minimo) << menor;
    }
    EXPECT_THROW(escala_automatica(-1e308, 1e308), ErrorCalculo);
    EXPECT_THROW(escala_automatica(1.7e308, 1.7e308), ErrorCalculo);
}
