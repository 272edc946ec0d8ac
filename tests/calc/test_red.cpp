#include <gtest/gtest.h>

#include "abatimiento.h"
#include "fixtures.h"
#include "red.h"

using namespace abat;
using namespace abat::prueba;

TEST(Red, CoordinatesAndOrderOfTheNodes) {
    Declaraciones d = acuifero();
    const DatosCalculo datos = leer_datos(d, tabla_pozos({{"P", "0.3", "0.05", "50", "50"}}), "1");
    generar_red(d, datos, 0, 200, 0, 100);
    EXPECT_EQ(d.xRed[0], -10);
    EXPECT_EQ(d.xRed[1], 0);
    EXPECT_EQ(d.xRed[21], 200);
    EXPECT_EQ(d.xRed[22], 210);
    EXPECT_EQ(d.yRed[0], -5);
    EXPECT_EQ(d.yRed[22], 105);
    ASSERT_EQ(d.nodos->Count(), 529);
    EXPECT_EQ(d.nodos->Item(1).x(), -10);
    EXPECT_EQ(d.nodos->Item(1).y(), -5);
    EXPECT_EQ(d.nodos->Item(2).y(), 0);
    EXPECT_EQ(d.nodos->Item(24).x(), 0);
    EXPECT_EQ(d.nodos->Item(24).y(), -5);
    EXPECT_EQ(d.nodos->Item(529).x(), 210);
    EXPECT_EQ(d.nodos->Item(529).y(), 105);
    EXPECT_EQ(d.nodos->Item(100).abat(),
              abatimiento_punto(datos, d.nodos->Item(100).x(), d.nodos->Item(100).y()));
    EXPECT_FALSE(d.nodo.has_value());

    // A second grid replaces the first; equal limits give one column of repeated nodes.
    generar_red(d, datos, 5, 5, 0, 100);
    ASSERT_EQ(d.nodos->Count(), 529);
    for (const cRedG& n : *d.nodos) EXPECT_EQ(n.x(), 5);
    // Limits in reverse order: from the first one less a step, upwards.
    generar_red(d, datos, 200, 0, 0, 100);
    EXPECT_EQ(d.xRed[0], 190);
    EXPECT_EQ(d.xRed[22], 410);
}

TEST(Red, AFailingNodeStopsTheGridAndIsNamed) {
    Declaraciones d = acuifero();
    // The well stands on a node and its diameter reads as 0: ln 0 there.
    const DatosCalculo datos = leer_datos(d, tabla_pozos({{"P", "", "0.05", "0", "0"}}), "1");
    try {
        generar_red(d, datos, 0, 200, 0, 100);
        FAIL();
    } catch (const ErrorCalculo& e) {
        EXPECT_EQ(e.numero(), 5);
        EXPECT_EQ(e.pozo, 1);
        ASSERT_TRUE(e.nodo.has_value());
        EXPECT_EQ(e.nodo->first, 0);
        EXPECT_EQ(e.nodo->second, 0);
    }
    EXPECT_EQ(d.nodos->Count(), 23 + 1);  // the first grid column and the node (0, -5)
}

// The axis -4..10 puts a node at 2.9999999999999991, a hair from the well at (3, 3): it gets the
// drawdown at the well's face, not one computed for a distance far inside the well.
TEST(Red, NoNodeExceedsTheDrawdownAtTheWell) {
    Declaraciones d = acuifero();
    const DatosCalculo datos = leer_datos(d, tabla_pozos({{"W", "0.3", "0.05", "3", "3"}}), "1");
    generar_red(d, datos, -4, 10, -4, 10);
    double mayor = 0;
    for (const cRedG& n : *d.nodos) mayor = std::max(mayor, n.abat());
    EXPECT_NEAR(mayor, 7.9108300, 5e-8);
}
