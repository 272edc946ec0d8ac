#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "fixtures.h"
#include "hoja_grafico.h"

using namespace abat;
using namespace abat::prueba;

// The chart reads coordinate texts as the calculation does; a cell never written gives no point.
TEST(HojaGrafico, CoordinateTextsReadAsTheCalculationReadsThem) {
    Hoja h;
    h.set("A5", std::string(" 1 000 m"));
    h.set("A6", std::string());
    h.set("A7", 2.5);
    EXPECT_EQ(h.numeros(rango("A5:A8")),
              (std::vector<std::optional<double>>{1000.0, 0.0, 2.5, std::nullopt}));
    EXPECT_THROW(rango("A1:B7"), std::invalid_argument);
}

TEST(HojaGrafico, ClassBoundaries) {
    EXPECT_EQ(clase_de(10.0), 1);
    EXPECT_EQ(clase_de(std::nextafter(10.0, 11.0)), 2);
    EXPECT_EQ(clase_de(60.0), 6);
    EXPECT_EQ(clase_de(std::nextafter(60.0, 61.0)), 7);
    EXPECT_EQ(clase_de(-5), 1);
    EXPECT_EQ(clase_de(45), 5);
}

TEST(HojaGrafico, SortingKeepsTheGridOrderAndCounts) {
    colRed nodos;
    for (int i = 0; i < 529; ++i) nodos.Add(i, -i, i % 100);
    Hoja h;
    std::optional<cRedG> nodo;
    const auto c = clasificar_nodos(h, nodos, nodo);
    int suma = 0;
    for (int k : c) suma += k;
    EXPECT_EQ(suma, 529 + 7 * 2);
    EXPECT_EQ(c[0], 2 + 11 * 6);  // drawdowns 0 to 10 in each of the six hundreds
    EXPECT_EQ(std::get<double>(h.get("E2")), 0);
    EXPECT_EQ(std::get<double>(h.get("F3")), -1);
    EXPECT_EQ(std::get<double>(h.get("G2")), 11);
    EXPECT_TRUE(h.vacia(direccion_celda('E', c[0])));
    EXPECT_FALSE(nodo.has_value());
}
