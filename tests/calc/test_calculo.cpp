// The drawdown at a point, the results table, the drawdown grid and the curve in time.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "calc/abatimiento.h"
#include "calc/curva_tiempo.h"
#include "calc/funcion_pozo.h"
#include "calc/origen_error.h"
#include "calc/red.h"
#include "calc/resultados.h"
#include "model/numeros.h"
#include "support/fixtures.h"

using namespace abat;
using namespace abat::prueba;

namespace {

double abatimiento(const Declaraciones& d, const Grid& pozos, const char* tiempo, double x,
                   double y) {
    return abatimiento_punto(datos_de(d, pozos, tiempo), x, y);
}

// The error that `f` raises, if any.
template <typename F>
std::optional<ErrorCalculo> fallo(F f) {
    try {
        f();
    } catch (const ErrorCalculo& e) {
        return e;
    }
    return std::nullopt;
}

const Grid pozo = tabla_pozos({{"P1", "0.3", "0.05", "100", "0"}});

}  // namespace

// One day of 0.05 m3/s in T = 0.01 m2/s, S = 0.0002: at 100 m, and on the well of 0.3 m.
TEST(Abatimiento, TheisNearTheWellAndTheWellFunctionAsTabulated) {
    const Declaraciones d = acuifero();
    EXPECT_NEAR(abatimiento(d, pozo, "1", 0, 0), 2.7367021, 5e-8);
    // Inside the radius the drawdown is that at the well's face, however close to the centre:
    // rounding in the grid's coordinates puts nodes within 1e-15 m of a well.
    for (const double dentro : {0.0, 1e-15, 0.05, 0.15})
        EXPECT_NEAR(abatimiento(d, pozo, "1", 100 - dentro, 0), 7.9108300, 5e-8) << dentro;
    EXPECT_LT(abatimiento(d, pozo, "1", 100.16, 0), 7.9108300);
    // Less transmissive aquifers draw the cone deeper: u and W as the series gives them.
    for (const auto& [T, esperado] : {std::pair{0.002, 10.4862366896}, {0.0005, 30.9819952436}})
        EXPECT_NEAR(abatimiento(acuifero(T), pozo, "1", 0, 0), esperado, 1e-9) << T;
    // Superposed: two wells as the one, and an injection of half its rate.
    const Grid tres = tabla_pozos({{"A", "0.3", "0.05", "100", "0"},
                                   {"B", "0.3", "0.05", "100", "0"},
                                   {"C", "0.3", "-0.025", "100", "0"}});
    EXPECT_NEAR(abatimiento(d, tres, "1", 0, 0), 1.5 * abatimiento(d, pozo, "1", 0, 0), 1e-12);
    EXPECT_EQ(abatimiento(acuifero(0, 0), tabla_pozos({}), "", 0, 0), 0);  // no wells, no error
    // W(u) against the tables of the exponential integral: the series of small u to the tables'
    // four decimals (its Euler constant is the textbooks' 0.577216), E1 of large u to 1e-9; the
    // two meet where the one hands over to the other.
    for (const auto& [u, W] : {std::pair{1e-4, 8.6332}, {0.01, 4.0379}, {0.1, 1.8229}})
        EXPECT_NEAR(funcion_pozo(u), W, 5e-5) << u;
    // clang-format off
    for (const auto& [u, W] : {std::pair{1.0, 0.2193839344}, {2.0, 0.04890051071},
                               {5.0, 0.001148295591}, {10.0, 4.156968930e-6}})
        // clang-format on
        EXPECT_NEAR(funcion_pozo(u) / W, 1, 1e-9) << u;
    EXPECT_EQ(funcion_pozo(1000), 0);  // below the smallest double: no error
    EXPECT_NEAR(W_serie(u_cruce), E1(u_cruce), 1e-10);
    EXPECT_EQ(funcion_pozo(u_cruce), W_serie(u_cruce));
    EXPECT_NEAR(funcion_pozo(std::nextafter(u_cruce, 1.0)), W_serie(u_cruce), 1e-10);
}

// One well at (x, 0) and one point at (x, 0), each case spoiling values: the error, that it names
// well 1 and point 1, and the window that holds the value to mend.
TEST(Abatimiento, ErrorsAreNamedAndLeadToTheirWindow) {
    // T, S, time, diameter, rate, x of the well, x of the point, error, window.
    using Caso = std::tuple<double, double, const char*, const char*, const char*, const char*,
                            const char*, int, Origen>;
    constexpr Origen acu = Origen::acuifero, poz = Origen::pozos, pun = Origen::puntos;
    // clang-format off
    const std::vector<Caso> casos = {
        {0, 2e-4, "1", "0.3", "0.05", "100", "0", 11, acu},  // T 0
        {.01, 2e-4, "0", "0.3", "0.05", "100", "0", 11, pun},
        {0, 0, "1", "0.3", "0.05", "100", "0", 5, acu},    // 0 / 0
        {.01, 0, "1", "0.3", "0.05", "100", "0", 5, acu},  // ln 0
        {.01, 2e-4, "-1", "0.3", "0.05", "100", "0", 5, pun},
        // Two negatives whose signs would cancel in u are still invalid.
        {-.01, -2e-4, "1", "0.3", "0.05", "100", "0", 5, acu},
        {-.01, -2e-4, "0", "0.3", "0.05", "100", "0", 11, pun},
        {.01, 2e-4, "1", "", "0.05", "0", "0", 5, poz},   // on a well of empty diameter
        {.01, 0, "1", "", "0.05", "0", "0", 5, acu},      // and S = 0: the aquifer first
        {.01, 0, "1", "0.3", "abc", "100", "0", 5, acu},  // ln before the rate is read
        {.01, 2e-4, "1", "0.3", "abc", "100", "0", 13, poz},
        // An overflow is blamed on the value that made it, finite or not.
        {.01, 2e-4, "1", "0.3", "1e309", "100", "0", 6, poz},
        {.01, 2e-4, "1", "0.3", "0.05", "1e200", "0", 6, poz},
        {.01, 2e-4, "1", "1e200", "0.05", "100", "0", 6, poz},
        {.01, 2e-4, "1", "0.3", "0.05", "100", "1e200", 6, pun},
        {1e-320, 2e-4, "1", "0.3", "0.05", "100", "0", 6, acu},  // u
        {1e308, 2e-4, "1", "0.3", "0.05", "100", "0", 6, acu},
        {.01, 2e-4, "1e305", "0.3", "0.05", "100", "0", 6, pun},
        {.01, 2e-4, "1e-320", "0.3", "0.05", "100", "0", 6, pun},  // u
    };
    // clang-format on
    for (size_t i = 0; i < casos.size(); ++i) {
        const auto& [T, S, tiempo, diametro, gasto, xPozo, xPunto, error, origen] = casos[i];
        const Grid pozos = tabla_pozos({{"P", diametro, gasto, xPozo, "0"}});
        const Grid puntos = tabla_puntos({{"A", xPunto, "0"}});
        Grid r(2, 0, 1, 0);
        const auto e =
            fallo([&] { calcular_resultados(acuifero(T, S), pozos, puntos, tiempo, r); });
        ASSERT_TRUE(e) << "row " << i;
        EXPECT_EQ(std::tuple(e->numero(), e->pozo, e->punto,
                             origen_del_error(*e, datos_de(acuifero(T, S), pozos, tiempo, puntos))),
                  std::tuple(error, 1, 1, origen))
            << i;
    }
    // The first failing well stops the sum and is named, also when only the total overflows.
    for (const auto& [segundo, error] : {std::pair{"x", 13}, {"2e306", 6}}) {
        const Grid pozos =
            tabla_pozos({{"A", "0", "2e306", "100", "0"}, {"B", "0", segundo, "100", "0"}});
        const auto e = fallo([&] { abatimiento(acuifero(), pozos, "1", 0, 0); });
        ASSERT_TRUE(e) << segundo;
        EXPECT_EQ(std::pair(e->numero(), e->pozo), std::pair(error, 2));
        EXPECT_EQ(origen_del_error(*e, datos_de(acuifero(), pozos, "1")), Origen::pozos);
    }
}

// The header from the format string; the total adds the texts shown (three wells of 0.33333 m
// are '.3333' each and 0.9999 in all); a name with the separator still heads one column; a new
// calculation keeps nothing of the last one.
TEST(Resultados, HeadersTotalsRebuildingAndAFailureMidway) {
    Grid r(2, 0, 1, 0);
    calcular_resultados(acuifero(), pozo, tabla_puntos({{"A", "0", "0"}}), "1", r);
    EXPECT_EQ(r.FormatString(), "^ No. |^ Punto |^   Pozo P1[m]   |^ Abatimiento Total[m] ");
    EXPECT_EQ(fila(r, 0) + "/" + fila(r, 1),
              " No. | Punto |   Pozo P1[m]   | Abatimiento Total[m] /1|A|2.7367|2.7367");
    const double por_unidad =
        abatimiento(acuifero(), tabla_pozos({{"P", "0.3", "1", "100", "0"}}), "1", 0, 0);
    const std::string q = number_to_text(0.33333 / por_unidad);
    calcular_resultados(acuifero(),
                        tabla_pozos({{"", "0.3", q, "100", "0"},
                                     {"b|c", "0.3", q, "-100", "0"},
                                     {"c", "0.3", q, "0", "100"},
                                     {"lejos", "0.3", "1e-9", "100", "0"}}),
                        tabla_puntos({{"A", "0", "0"}}), "1", r);
    EXPECT_EQ(std::tuple(r.Rows(), r.TextMatrix(0, 2), r.TextMatrix(0, 3)),
              std::tuple(3, "   Pozo [m]   ", "   Pozo b|c[m]   "));
    EXPECT_EQ(fila(r, 1), "1|A|.3333|.3333|.3333|.|0.9999");
    calcular_resultados(acuifero(), pozo, tabla_puntos({}), "1", r);  // no point, no row
    EXPECT_EQ(std::tuple(r.Cols(), r.Rows(), fila(r, 1)), std::tuple(4, 2, "|||"));
    // Point 2 of 3 stands on well 2, whose diameter is empty: the logarithm of 0 there. Row 1 and
    // the start of row 2 stay, with no total column and no row for point 3.
    const Grid pozos =
        tabla_pozos({{"P1", "0.3", "0.05", "100", "0"}, {"P2", "", "0.05", "0", "50"}});
    const Grid puntos = tabla_puntos({{"A", "0", "0"}, {"B", "0", "50"}, {"C", "9", "9"}});
    EXPECT_THROW(calcular_resultados(acuifero(), pozos, puntos, "1", r), ErrorCalculo);
    EXPECT_EQ(std::pair(r.Cols(), r.Rows()), std::pair(4, 4));
    EXPECT_EQ(fila(r, 1).substr(0, 11), "1|A|2.7367|");
    EXPECT_EQ(fila(r, 2), "2|B|2.648|");
}

// 23 x 23 nodes from one step below each limit to one beyond, grid column after grid column;
// a new grid replaces the last, also when equal limits put its nodes on one line.
TEST(Red, CoordinatesAndOrderOfTheNodesAndNodesOnNextToAndFarFromAWell) {
    Declaraciones d = acuifero();
    const DatosCalculo datos = datos_de(d, tabla_pozos({{"P", "0.3", "0.05", "50", "50"}}), "1");
    generar_red(d, datos, 0, 200, 0, 100);
    for (const auto& [i, x, y] :
         {std::tuple{0, -10, -5}, {1, 0, 0}, {21, 200, 100}, {22, 210, 105}})
        EXPECT_TRUE(d.xRed.at(i) == x && d.yRed.at(i) == y) << i;
    ASSERT_EQ(d.nodos->Count(), 529);
    for (const auto& [k, x, y] :
         {std::tuple{1, -10, -5}, {2, -10, 0}, {24, 0, -5}, {529, 210, 105}})
        EXPECT_TRUE(d.nodos->Item(k).x() == x && d.nodos->Item(k).y() == y) << k;
    const cRedG& n = d.nodos->Item(100);
    EXPECT_NEAR(n.abat(), abatimiento_punto(datos, n.x(), n.y()), 1e-12 * n.abat());
    generar_red(d, datos, 5, 5, 0, 100);
    ASSERT_EQ(d.nodos->Count(), 529);
    for (const cRedG& m : *d.nodos) EXPECT_EQ(m.x(), 5);
    // A node on a well of diameter 0 stops the grid there, named; a node a hair from a well (the
    // axis -4..10 puts one at 2.9999999999999991) gets the drawdown at the well's face; and a node
    // too far for its distance to a well leads to the table whose coordinate stretched the chart.
    const DatosCalculo sobre = datos_de(d, tabla_pozos({{"P", "", "0.05", "0", "0"}}), "1");
    const auto e = fallo([&] { generar_red(d, sobre, 0, 200, 0, 100); });
    ASSERT_TRUE(e);
    EXPECT_EQ(std::tuple(e->numero(), e->pozo, e->nodo), std::tuple(5, 1, std::pair{0.0, 0.0}));
    EXPECT_EQ(d.nodos->Count(), 23 + 1);  // the first grid column and the node (0, -5)
    generar_red(d, datos_de(d, tabla_pozos({{"W", "0.3", "0.05", "3", "3"}}), "1"), -4, 10, -4, 10);
    double mayor = 0;
    for (const cRedG& n : *d.nodos) mayor = std::max(mayor, n.abat());
    EXPECT_NEAR(mayor, 7.9108300, 5e-8);
    for (const auto& [x, origen] :  // a tie blames the wells
         {std::pair{"1.3e154", Origen::pozos}, {"1e154", Origen::pozos}, {"-1", Origen::puntos}}) {
        const DatosCalculo datos = datos_de(d, tabla_pozos({{"P", "0.3", "0.05", x, "0"}}), "1",
                                            tabla_puntos({{"A", "1e154", "0"}, {"B", "0", "0"}}));
        const auto lejos = fallo([&] { generar_red(d, datos, -1.3e154, 0, 0, 1); });
        ASSERT_TRUE(lejos) << x;
        EXPECT_EQ(origen_del_error(*lejos, datos), origen) << x;
    }
}

// The curve at the pumping time is the results table's total; at every time the total is the sum
// of the shares; the times rise from three decades before the pumping time to one after, each
// one a reader can copy with four digits.
TEST(CurvaTiempo, AtThePumpingTimeItIsTheTablesTotal) {
    const Grid pozos = tabla_pozos({{"A", "0.3", "0.01", "300", "0"},  // B injects
                                    {"B", "0.3", "-0.02", "0", "290"},
                                    {"C", "0.3", "0.013", "-210", "-170"}});
    const char* tiempo = "365.25";
    Grid tabla(2, 0, 1, 0);
    calcular_resultados(acuifero(), pozos, tabla_puntos({{"A", "50", "80"}}), tiempo, tabla);
    const CurvaTiempo c = curva_tiempo(datos_de(acuifero(), pozos, tiempo), 50, 80);
    const auto& t = c.tiempos;
    EXPECT_EQ(number_to_text(c.total[t.bombeo]), tabla.TextMatrix(1, tabla.Cols() - 1));
    ASSERT_EQ(t.dias.size(), 201u);
    EXPECT_EQ(t.dias[t.bombeo], 365.25);
    EXPECT_NEAR(t.dias.front() * 1000 / t.dias[t.bombeo], 1, 1e-3);
    EXPECT_NEAR(t.dias.back() / 10 / t.dias[t.bombeo], 1, 1e-3);
    for (size_t i = 0; i < c.total.size(); ++i) {
        std::array<char, 32> cuatro{};
        std::snprintf(cuatro.data(), cuatro.size(), "%.4g", t.dias[i]);
        EXPECT_TRUE(i == t.bombeo || std::strtod(cuatro.data(), nullptr) == t.dias[i]) << i;
        EXPECT_TRUE(i == 0 || t.dias[i] > t.dias[i - 1]) << i;
        double suma = 0;
        for (const auto& parte : c.partes) suma += parte[i];
        EXPECT_EQ(c.total[i], suma) << i;
    }
}

// Beyond ten wells the chart draws the ten largest shares, an injection's by its size, the first
// of equal ones; the copied table holds every well, the pumping time's row as in the results.
TEST(CurvaTiempo, LargestSharesTheCopiedTableAndAnOverflowLaterOn) {
    std::vector<Celdas> doce;
    for (int k = 0; k < 12; ++k) {
        const char* gasto = k == 5 ? "-0.09" : k == 9 ? "0.001" : "0.02";
        doce.push_back({"Q" + std::to_string(k), "0.3", gasto, std::to_string(50 * k), "0"});
    }
    const DatosCalculo datos = datos_de(acuifero(), tabla_pozos(doce), "1");
    const CurvaTiempo c = curva_tiempo(datos, 0, 0);
    EXPECT_EQ(partes_mayores(c), (std::vector<size_t>{5, 0, 1, 2, 3, 4, 6, 7, 8, 10}));
    EXPECT_EQ(partes_mayores(c, 12).size(), 12u);
    const std::vector<Celdas> iguales(12, {"I", "0.3", "0.02", "100", "0"});
    const CurvaTiempo empate = curva_tiempo(datos_de(acuifero(), tabla_pozos(iguales), "1"), 0, 0);
    EXPECT_EQ(partes_mayores(empate), (std::vector<size_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    const auto tabla = tabla_curva(c, datos.pozos);
    ASSERT_EQ(tabla.size(), c.total.size() + 1);
    EXPECT_EQ(tabla[0][2], "Pozo Q0[m]");
    const auto& fila = tabla[c.tiempos.bombeo + 1];
    EXPECT_EQ(std::pair(fila[0], fila[1]),
              std::pair(std::string("1"), number_to_text(c.total[c.tiempos.bombeo])));
    EXPECT_EQ(leading_number(fila[7]), c.partes[5][c.tiempos.bombeo]);
    // A rate whose drawdown is finite at the pumping time but overflows ten times later: the
    // curve fails with the overflow, naming its well.
    const DatosCalculo desborda = datos_de(
        acuifero(1), tabla_pozos({{"", "0.3", "0.01", "0", "0"}, {"", "0.3", "1.4e307", "0", "0"}}),
        "1");
    EXPECT_NO_THROW(abatimiento_punto(desborda, 100, 0));
    const auto e = fallo([&] { curva_tiempo(desborda, 100, 0); });
    ASSERT_TRUE(e);
    EXPECT_EQ(std::pair(e->codigo(), e->pozo), std::pair(CodigoError::desbordamiento, 2));
}
