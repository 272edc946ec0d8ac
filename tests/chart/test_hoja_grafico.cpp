#include <gtest/gtest.h>

#include <cmath>

#include "fixtures.h"
#include "hoja_grafico.h"

using namespace abat;
using namespace abat::prueba;

TEST(HojaGrafico, WellsAndPointsBlocks) {
    Hoja h;
    escribir_pozos(h,
                   tabla_pozos({{"a", "0.3", "1", "100", "200"}, {"b", "0.3", "1", "300", "400"}}));
    escribir_puntos(h, tabla_puntos({{"A", "150", "250"}}));
    EXPECT_EQ(std::get<std::string>(h.get("A2")), "100");
    EXPECT_EQ(std::get<std::string>(h.get("B2")), "200");
    EXPECT_EQ(std::get<std::string>(h.get("A3")), "300");
    EXPECT_EQ(std::get<std::string>(h.get("B3")), "400");
    EXPECT_EQ(std::get<std::string>(h.get("C2")), "150");
    EXPECT_EQ(std::get<std::string>(h.get("D2")), "250");
    EXPECT_TRUE(h.vacia("A1"));
    EXPECT_TRUE(h.vacia("A4"));
    // The chart reads coordinate texts as the calculation does.
    h.set("A5", std::string(" 1 000 m"));
    h.set("A6", std::string());
    EXPECT_EQ(h.numeros(rango("A5:A7")),
              (std::vector<std::optional<double>>{1000.0, 0.0, std::nullopt}));
}

TEST(HojaGrafico, ClassBoundaries) {
    EXPECT_EQ(clase_de(10.0), 1);
    EXPECT_EQ(clase_de(std::nextafter(10.0, 11.0)), 2);
    EXPECT_EQ(clase_de(60.0), 6);
    EXPECT_EQ(clase_de(std::nextafter(60.0, 61.0)), 7);
    EXPECT_EQ(clase_de(-5), 1);
    EXPECT_EQ(clase_de(0), 1);
    EXPECT_EQ(clase_de(45), 5);
    EXPECT_EQ(clase_de(1e300), 7);
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
