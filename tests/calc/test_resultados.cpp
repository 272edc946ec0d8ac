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

// Row r's cells joined by '|'.
std::string fila(const Grid& g, int r) {
    std::string texto;
    for (int c = 0; c < g.Cols(); ++c) texto += (c > 0 ? "|" : "") + g.TextMatrix(r, c);
    return texto;
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
    ASSERT_EQ(r.Rows(), 3);
    EXPECT_EQ(r.FormatString(), "^ No. |^ Punto |^   Pozo P1[m]   |^ Abatimiento Total[m] ");
    EXPECT_EQ(fila(r, 0), " No. | Punto |   Pozo P1[m]   | Abatimiento Total[m] ");
    EXPECT_EQ(fila(r, 1), "1|A|2.7367|2.7367");
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
    EXPECT_EQ(fila(r, 1), "1|A|.3333|.3333|.3333|.|0.9999");
}

TEST(Resultados, RebuiltFromScratchAndNamesNeverShiftColumns) {
    Grid r = tabla_resultados();
    const Grid puntos = tabla_puntos({{"A", "0", "0"}, {"B", "10", "0"}});
    calcular_resultados(
        acuifero(),
        tabla_pozos({{"a|b|c", "0.3", "0.05", "100", "0"}, {"P2", "0.3", "0.05", "0", "100"}}),
        puntos, "1", r);
    EXPECT_EQ(fila(r, 0),
              " No. | Punto |   Pozo a|b|c[m]   |   Pozo P2[m]   | Abatimiento Total[m] ");

    calcular_resultados(acuifero(), tabla_pozos({{"P2", "0.3", "0.05", "0", "100"}}),
                        tabla_puntos({{"A", "0", "0"}}), "1", r);
    EXPECT_EQ(r.Cols(), 4);
    EXPECT_EQ(r.Rows(), 3);
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
    EXPECT_EQ(fila(r, 1).substr(0, 11), "1|A|2.7367|");
    EXPECT_EQ(fila(r, 2).substr(0, 4), "2|B|");
    EXPECT_EQ(r.TextMatrix(2, 3), "");
}
