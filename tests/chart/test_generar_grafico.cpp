#include <gtest/gtest.h>

#include "errores.h"
#include "fixtures.h"
#include "generar_grafico.h"
#include "hoja_grafico.h"
#include "motor_grabador.h"

using namespace abat;
using namespace abat::prueba;

namespace {

struct Grafico {
    Declaraciones d = acuifero();
    MotorGrabador motor;
    std::vector<std::string> mostrados;

    void generar(const Grid& pozos, const Grid& puntos, const char* tiempo = "1") {
        generar_grafico(d, pozos, puntos, tiempo, motor,
                        {"/tmp/grafico.gif", [this](const std::string& archivo) {
                             motor.anotar("mostrar " + archivo);
                         }});
    }
};

}  // namespace

// One well and one point, all of the grid below 10 m: the whole sequence of the chart.
TEST(GenerarGrafico, SequenceWithOneWellAndOnePoint) {
    Grafico g;
    g.generar(tabla_pozos({{"P1", "0.3", "0.0001", "100", "50"}}), tabla_puntos({{"A", "0", "0"}}));
    const std::vector<std::string> esperado = {"crear",
                                               "objeto 100 30 500 360",
                                               "asistente A1:B3",
                                               "relleno 1 16777215",
                                               "por columnas",
                                               "serie D1:D3",
                                               "x 2 C2:C3",
                                               "trazado 16777215",
                                               "max y",
                                               "min y",
                                               "max x",
                                               "min x",
                                               "serie F1:F531",
                                               "x 3 E2:E531",
                                               "exportar /tmp/grafico.gif",
                                               "mostrar /tmp/grafico.gif",
                                               "eliminar",
                                               "sin alertas",
                                               "salir"};
    EXPECT_EQ(g.motor.llamadas, esperado);

    const Hoja& h = g.motor.hoja;
    EXPECT_EQ(std::get<std::string>(h.get("B1")), "Pozos");
    EXPECT_EQ(std::get<std::string>(h.get("A2")), "100");
    EXPECT_EQ(std::get<std::string>(h.get("B2")), "50");
    EXPECT_EQ(std::get<std::string>(h.get("D1")), "Puntos");
    EXPECT_TRUE(h.vacia("A1"));
    EXPECT_TRUE(h.vacia("C1"));
    for (const char* c : {"A3", "B3", "C3", "D3", "E531", "F531", "G2", "R2"})
        EXPECT_TRUE(h.vacia(c)) << c;
    EXPECT_EQ(std::get<std::string>(h.get("R1")), "Abat. >= 60.0 m");

    // The grid lies over the limits read back: from one step below the minimum.
    EXPECT_EQ(g.d.xRed[0], -10);
    EXPECT_EQ(g.d.xRed[21], 200);
    EXPECT_EQ(g.d.yRed[0], -5);
    EXPECT_EQ(g.d.yRed[21], 100);
    EXPECT_EQ(std::get<double>(h.get("E2")), -10);
    EXPECT_EQ(std::get<double>(h.get("F3")), 0);
    EXPECT_FALSE(g.d.nodo.has_value());
}

TEST(GenerarGrafico, EveryClassWithNodesInClassOrder) {
    Grafico g;
    g.motor.limites = {{"max y", 300}, {"min y", -300}, {"max x", 300}, {"min x", -300}};
    g.generar(tabla_pozos({{"P1", "0.3", "0.8", "0", "0"}}), tabla_puntos({{"A", "10", "0"}}));
    std::vector<std::string> series;
    for (const std::string& l : g.motor.llamadas) {
        if (l.rfind("serie ", 0) == 0 || l.rfind("x ", 0) == 0) series.push_back(l);
    }
    // Series 3 onwards follow the classes; each range ends at its class's counter.
    ASSERT_GE(series.size(), size_t{6});
    int nodos = 0;
    int indice = 3;
    const Hoja& h = g.motor.hoja;
    for (size_t i = 2; i < series.size(); i += 2) {
        const Rango y = rango(series[i].substr(6));
        const Rango x = rango(series[i + 1].substr(series[i + 1].find(' ', 2) + 1));
        EXPECT_EQ(series[i + 1].substr(0, 4), "x " + std::to_string(indice) + " ");
        EXPECT_EQ(y.desde, 1);
        EXPECT_EQ(x.desde, 2);
        EXPECT_EQ(x.hasta, y.hasta);
        EXPECT_EQ(x.columna + 1, y.columna);
        EXPECT_TRUE(h.vacia(direccion_celda(x.columna, x.hasta)));
        EXPECT_FALSE(h.vacia(direccion_celda(x.columna, x.hasta - 1)));
        nodos += y.hasta - 2;
        ++indice;
    }
    EXPECT_EQ(nodos, 529);
}

TEST(GenerarGrafico, OnlyClassesThreeAndSeven) {
    MotorGrabador motor;
    colRed nodos;
    nodos.Add(1, 2, 25);
    nodos.Add(3, 4, 70);
    nodos.Add(5, 6, 21);
    std::optional<cRedG> nodo;
    escribir_nombres_clases(motor.hoja);
    const auto contadores = clasificar_nodos(motor.hoja, nodos, nodo);
    agregar_series_de_clases(motor, contadores);
    EXPECT_EQ(motor.llamadas,
              (std::vector<std::string>{"serie J1:J4", "x 3 I2:I4", "serie R1:R3", "x 4 Q2:Q3"}));
    EXPECT_EQ(std::get<std::string>(motor.hoja.get("J1")), "20.0 < Abat. <= 30.0 m");
}

TEST(GenerarGrafico, AGridErrorAbandonsTheChartBeforeTheClasses) {
    Grafico g;
    // A time of 0: division by zero at the first node.
    EXPECT_THROW(g.generar(tabla_pozos({{"P1", "0.3", "0.05", "100", "50"}}),
                           tabla_puntos({{"A", "0", "0"}}), "0"),
                 ErrorCalculo);
    EXPECT_EQ(g.motor.llamadas.back(), "min x");
}
