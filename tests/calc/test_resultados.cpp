#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

#include "abatimiento.h"
#include "fixtures.h"
#include "numeros.h"
#include "resultados.h"

using namespace abat;
using namespace abat::prueba;

namespace {
Grid tabla_resultados() {
    return Grid(2, 0, 1, 0);
}

// The pumping rate that gives `s` metres at 100 m from the well in the worked example.
std::string gasto_para(double s) {
    const double por_unidad = abatimiento_punto(
        leer_datos(acuifero(), tabla_pozos({{"P", "0.3", "1", "100", "0"}}), "1"), 0, 0);
    return number_to_text(s / por_unidad);
}
}  // namespace

TEST(Resultados, WorkedExampleTable) {
    if (std::getenv("ABAT_EXPECT_COMMA") != nullptr) {
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
    Grid r = tabla_resultados();
    calcular_resultados(acuifero(), tabla_pozos({{"P1", "0.3", "0.05", "100", "0"}}),
                        tabla_puntos({{"A", "0", "0"}}), "1", r);
    ASSERT_EQ(r.Cols(), 4);
    ASSERT_EQ(r.Rows(), 3);
    EXPECT_EQ(r.TextMatrix(0, 0), " No. ");
    EXPECT_EQ(r.TextMatrix(0, 1), " Punto ");
    EXPECT_EQ(r.TextMatrix(0, 2), "   Pozo P1[m]   ");
    EXPECT_EQ(r.TextMatrix(0, 3), " Abatimiento Total[m] ");
    EXPECT_EQ(r.TextMatrix(1, 0), "1");
    EXPECT_EQ(r.TextMatrix(1, 1), "A");
    EXPECT_EQ(r.TextMatrix(1, 2), "2.7367");
    EXPECT_EQ(r.TextMatrix(1, 3), "2.7367");
    for (int c = 0; c < 4; ++c) EXPECT_TRUE(r.isCentred(c));
    EXPECT_EQ(r.FormatString(), "^ No. |^ Punto |^   Pozo P1[m]   |^ Abatimiento Total[m] ");
}

TEST(Resultados, TotalsAddTheRoundedTexts) {
    Grid r = tabla_resultados();
    const std::string q = gasto_para(0.33333);
    calcular_resultados(acuifero(),
                        tabla_pozos({{"", "0.3", q, "100", "0"},
                                     {"b", "0.3", q, "-100", "0"},
                                     {"c", "0.3", q, "0", "100"},
                                     {"lejos", "0.3", "1e-9", "100", "0"}}),
                        tabla_puntos({{"A", "0", "0"}}), "1", r);
    EXPECT_EQ(r.TextMatrix(0, 2), "   Pozo [m]   ");
    EXPECT_EQ(r.TextMatrix(1, 2), ".3333");
    EXPECT_EQ(r.TextMatrix(1, 4), ".3333");
    EXPECT_EQ(r.TextMatrix(1, 5), ".");
    EXPECT_EQ(r.TextMatrix(1, 6), "0.9999");
}

TEST(Resultados, RebuiltFromScratchAndNamesNeverShiftColumns) {
    Grid r = tabla_resultados();
    const Grid puntos = tabla_puntos({{"A", "0", "0"}, {"B", "10", "0"}});
    calcular_resultados(
        acuifero(),
        tabla_pozos({{"a|b|c", "0.3", "0.05", "100", "0"}, {"P2", "0.3", "0.05", "0", "100"}}),
        puntos, "1", r);
    ASSERT_EQ(r.Cols(), 5);
    EXPECT_EQ(r.TextMatrix(0, 2), "   Pozo a|b|c[m]   ");
    EXPECT_EQ(r.TextMatrix(0, 3), "   Pozo P2[m]   ");
    EXPECT_EQ(r.TextMatrix(0, 4), " Abatimiento Total[m] ");

    calcular_resultados(acuifero(), tabla_pozos({{"P2", "0.3", "0.05", "0", "100"}}),
                        tabla_puntos({{"A", "0", "0"}}), "1", r);
    EXPECT_EQ(r.Cols(), 4);
    EXPECT_EQ(r.Rows(), 3);
    EXPECT_EQ(r.TextMatrix(2, 1), "");
    EXPECT_EQ(r.TextMatrix(0, 3), " Abatimiento Total[m] ");
}

TEST(Resultados, FailureAtPointTwoKeepsRowOneAndHasNoTotals) {
    Grid r = tabla_resultados();
    // Point 2 stands on well 2, whose diameter is empty: the logarithm of 0 there.
    const Grid pozos =
        tabla_pozos({{"P1", "0.3", "0.05", "100", "0"}, {"P2", "", "0.05", "0", "50"}});
    try {
        calcular_resultados(acuifero(), pozos, tabla_puntos({{"A", "0", "0"}, {"B", "0", "50"}}),
                            "1", r);
        FAIL();
    } catch (const ErrorCalculo& e) {
        EXPECT_EQ(e.numero(), 5);
        EXPECT_EQ(e.pozo, 2);
        EXPECT_EQ(e.punto, 2);
    }
    EXPECT_EQ(r.Cols(), 4);  // no total column
    EXPECT_EQ(r.Rows(), 4);
    EXPECT_EQ(r.TextMatrix(0, 3), "   Pozo P2[m]   ");
    EXPECT_EQ(r.TextMatrix(1, 2), "2.7367");
    EXPECT_FALSE(r.TextMatrix(1, 3).empty());
    EXPECT_EQ(r.TextMatrix(2, 1), "B");
    EXPECT_FALSE(r.TextMatrix(2, 2).empty());
    EXPECT_EQ(r.TextMatrix(2, 3), "");
}
