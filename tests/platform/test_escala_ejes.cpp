#include <gtest/gtest.h>

#include "errores.h"
#include "escala_ejes.h"

using namespace abat;

namespace {
void espera(double menor, double mayor, double minimo, double maximo, double unidad) {
    const EscalaEje e = escala_automatica(menor, mayor);
    EXPECT_EQ(e.minimo, minimo) << menor << ".." << mayor;
    EXPECT_EQ(e.maximo, maximo) << menor << ".." << mayor;
    EXPECT_EQ(e.unidad, unidad) << menor << ".." << mayor;
}
}  // namespace

TEST(EscalaEjes, SpreadsheetRuleMadeDeterministic) {
    espera(100, 930, 0, 1000, 100);
    espera(82, 97, 80, 98, 2);
    espera(80, 97, 0, 100, 10);
    espera(-3.2, 7.9, -4, 10, 2);
    espera(-97, -82, -98, -80, 2);  // the mirror of 82..97
    espera(-97, -80, -100, 0, 10);  // and of 80..97
    espera(0.2, 1.4, 0, 1.6, 0.2);  // decimal limits without rounding noise
    espera(0.1, 0.3, 0, 0.35, 0.05);
    espera(1234567, 1234568, 1234566.8, 1234568.2, 0.2);
}

TEST(EscalaEjes, NoAxisHasZeroWidth) {
    espera(5, 5, 0, 6, 1);  // spread to 0..5 first
    espera(-5, -5, -6, 0, 1);
    espera(0, 0, 0, 1.2, 0.2);  // 0..1, padded
    EXPECT_THROW(escala_automatica(-1e308, 1e308), ErrorCalculo);
}
