#include <gtest/gtest.h>

#include <cmath>

#include "chart/escala_ejes.h"
#include "model/errores.h"
#include "support/casos.h"

using namespace abat;
using namespace abat::prueba;

// Data from `menor` to `mayor`, and the limits and unit of its axis.
using Datos = Tabla<double, double, double, double, double>;
using Extremos = Tabla<double, double, bool>;  // and whether no axis can span them

// Data from `menor` to `mayor`: the limits and the unit. Mirrored data give mirrored limits;
// decimal limits come without rounding noise; equal values are spread to 0 first, and values a
// hair apart count as equal.
TEST_P(Datos, RoundLimitsJustBeyondTheData) {
    const auto& [nombre, menor, mayor, minimo, maximo, unidad] = GetParam();
    const EscalaEje e = escala_automatica(menor, mayor);
    EXPECT_EQ(e.minimo, minimo);
    EXPECT_EQ(e.maximo, maximo);
    EXPECT_EQ(e.unidad, unidad);
    EXPECT_EQ(std::signbit(e.maximo), maximo < 0);  // 0 is labelled "0", never "-0"
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EscalaEjes, Datos, testing::ValuesIn(std::vector<Datos::ParamType>{{"desde_100", 100, 930, 0, 1000, 100},
    {"estrecho", 82, 97, 80, 98, 2}, {"menos_estrecho", 80, 97, 0, 100, 10}, {"a_ambos_lados_de_0", -3.2, 7.9, -4, 10, 2},
    {"estrecho_negativo", -97, -82, -98, -80, 2}, {"negativo", -97, -80, -100, 0, 10}, {"decimal", 0.2, 1.4, 0, 1.6, 0.2},
    {"decimal_sin_ruido", 0.1, 0.3, 0, 0.35, 0.05}, {"igual", 5, 5, 0, 6, 1}, {"igual_negativo", -5, -5, -6, 0, 1}, {"ceros", 0, 0, 0, 1.2, 0.2},
    {"ceros_por_un_pelo", 0, 1e-13, 0, 1.2, 0.2}, {"iguales_por_un_pelo", 1e6, 1e6 + 1e-9, 0, 1.2e6, 2e5},
    {"millones_a_una_unidad", 1234567, 1234568, 1234566.8, 1234568.2, 0.2},
    {"justo_mas_de_un_pelo", 0.5, 0.5 + 1.005e-9, 0.4999999998, 0.5000000012, 2e-10}}), por_nombre);
// clang-format on

// Extremes that once kept an axis from being labelled: limits that hold the data, with a score
// of distinct ticks at most. Extremes whose axis no double can span: the overflow error, blamed on
// the extent.
TEST_P(Extremos, HostileExtremesGiveALabelableAxisOrOverflow) {
    const auto& [nombre, menor, mayor, desborda] = GetParam();
    try {
        const EscalaEje e = escala_automatica(menor, mayor);
        const double ticks = (e.maximo - e.minimo) / e.unidad;
        EXPECT_FALSE(desborda);
        EXPECT_LE(e.minimo, menor);
        EXPECT_GE(e.maximo, mayor);
        EXPECT_TRUE(ticks >= 1 && ticks <= 25) << ticks;
        EXPECT_NE(e.minimo + e.unidad, e.minimo);
    } catch (const ErrorCalculo& e) {
        EXPECT_TRUE(desborda);
        EXPECT_EQ(e.numero(), 6);
        EXPECT_EQ(e.causa, Causa::extension);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EscalaEjes, Extremos, testing::ValuesIn(std::vector<Extremos::ParamType>{{"diminuto", 0, 1e-13, false},
    {"casi_nada", 0, 1e-300, false}, {"subnormal", 0, 4.9e-324, false}, {"subnormales", -4.9e-324, 4.9e-324, false},
    {"un_pelo_sobre_un_millon", 1e6, 1e6 + 1e-9, false}, {"uno_sobre_1e15", 1e15, 1e15 + 1, false}, {"simetrico_diminuto", -1e-10, 1e-10, false},
    {"asimetrico_diminuto", -7e-10, 2e-10, false}, {"enorme", -1e300, 1e300, false}, {"hasta_1e308", 0, 1e308, false},
    {"todos_los_double", -1e308, 1e308, true}, {"igual_y_enorme", 1.7e308, 1.7e308, true}}), por_nombre);
// clang-format on
