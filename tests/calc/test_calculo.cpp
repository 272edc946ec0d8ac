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
#include "support/casos.h"
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
// T, the point's x, the drawdown and its tolerance.
using Theis = Tabla<double, double, double, double>;
// u, W and the tolerance
using ValoresDeW = Tabla<double, double, double>;
using Segundos = Tabla<const char*, int>;     // the second well's rate, and the error
using Lejanias = Tabla<const char*, Origen>;  // the well's x, and the window
// T, S, time, diameter, rate, x of the well, x of the point, error, window.
using Errores = Tabla<double, double, const char*, const char*, const char*, const char*,
                      const char*, int, Origen>;

}  // namespace

// One day of 0.05 m3/s in T = 0.01 m2/s, S = 0.0002, at 100 m and on the well of 0.3 m; inside
// the radius the drawdown is that at the well's face, however close to the centre (rounding in the
// grid's coordinates puts nodes within 1e-15 m of a well); less transmissive aquifers draw the
// cone deeper, u and W as the series gives them.
TEST_P(Theis, NearTheWell) {
    const auto& [nombre, T, x, esperado, tolerancia] = GetParam();
    EXPECT_NEAR(abatimiento(acuifero(T), pozo, "1", x, 0), esperado, tolerancia);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Abatimiento, Theis, testing::ValuesIn(std::vector<Theis::ParamType>{{"a_100_m", 0.01, 0, 2.7367021, 5e-8},
    {"en_el_centro", 0.01, 100, 7.9108300, 5e-8}, {"a_1e_15_del_centro", 0.01, 100 - 1e-15, 7.9108300, 5e-8},
    {"dentro_del_radio", 0.01, 99.95, 7.9108300, 5e-8}, {"en_la_cara", 0.01, 99.85, 7.9108300, 5e-8}, {"T_menor", 0.002, 0, 10.4862366896, 1e-9},
    {"T_mucho_menor", 0.0005, 0, 30.9819952436, 1e-9}}), por_nombre);
// clang-format on

// W(u) against the tables of the exponential integral: the series of small u to the tables' four
// decimals (its Euler constant is the textbooks' 0.577216), E1 of large u to 1e-9 of its value.
TEST_P(ValoresDeW, AsTabulated) {
    const auto& [nombre, u, W, tolerancia] = GetParam();
    EXPECT_NEAR(funcion_pozo(u), W, tolerancia);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Abatimiento, ValoresDeW, testing::ValuesIn(std::vector<ValoresDeW::ParamType>{{"serie_1e_4", 1e-4, 8.6332, 5e-5},
    {"serie_0_01", 0.01, 4.0379, 5e-5}, {"serie_0_1", 0.1, 1.8229, 5e-5}, {"E1_de_1", 1.0, 0.2193839344, 1e-9 * 0.2193839344},
    {"E1_de_2", 2.0, 0.04890051071, 1e-9 * 0.04890051071}, {"E1_de_5", 5.0, 0.001148295591, 1e-9 * 0.001148295591},
    {"E1_de_10", 10.0, 4.156968930e-6, 1e-9 * 4.156968930e-6}}), por_nombre);
// clang-format on

// Superposed: two wells as the one, and an injection of half its rate; no wells, no error. The
// series and E1 meet where the one hands over to the other.
TEST(Abatimiento, SuperposedAndTheWellFunctionsMeet) {
    const Declaraciones d = acuifero();
    EXPECT_LT(abatimiento(d, pozo, "1", 100.16, 0), 7.9108300);
    const Grid tres = tabla_pozos({{"A", "0.3", "0.05", "100", "0"},
                                   {"B", "0.3", "0.05", "100", "0"},
                                   {"C", "0.3", "-0.025", "100", "0"}});
    EXPECT_NEAR(abatimiento(d, tres, "1", 0, 0), 1.5 * abatimiento(d, pozo, "1", 0, 0), 1e-12);
    EXPECT_EQ(abatimiento(acuifero(0, 0), tabla_pozos({}), "", 0, 0), 0);
    EXPECT_EQ(funcion_pozo(1000), 0);  // below the smallest double: no error
    EXPECT_NEAR(W_serie(u_cruce), E1(u_cruce), 1e-10);
    EXPECT_EQ(funcion_pozo(u_cruce), W_serie(u_cruce));
    EXPECT_NEAR(funcion_pozo(std::nextafter(u_cruce, 1.0)), W_serie(u_cruce), 1e-10);
}

// One well at (x, 0) and one point at (x, 0), each case spoiling values: the error, that it names
// well 1 and point 1, and the window that holds the value to mend.
TEST_P(Errores, AreNamedAndLeadToTheirWindow) {
    const auto& [nombre, T, S, tiempo, diametro, gasto, xPozo, xPunto, error, origen] = GetParam();
    const Grid pozos = tabla_pozos({{"P", diametro, gasto, xPozo, "0"}});
    const Grid puntos = tabla_puntos({{"A", xPunto, "0"}});
    Grid r(2, 0, 1, 0);
    const auto e = fallo([&, T = T, S = S, tiempo = tiempo] {
        calcular_resultados(acuifero(T, S), pozos, puntos, tiempo, r);
    });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->numero(), error);
    EXPECT_EQ(e->pozo, 1);
    EXPECT_EQ(e->punto, 1);
    EXPECT_EQ(origen_del_error(*e, datos_de(acuifero(T, S), pozos, tiempo, puntos)), origen);
}

constexpr Origen acu = Origen::acuifero, poz = Origen::pozos, pun = Origen::puntos;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Abatimiento, Errores, testing::ValuesIn(std::vector<Errores::ParamType>{
    {"T_cero", 0, 2e-4, "1", "0.3", "0.05", "100", "0", 11, acu}, {"tiempo_cero", .01, 2e-4, "0", "0.3", "0.05", "100", "0", 11, pun},
    {"cero_entre_cero", 0, 0, "1", "0.3", "0.05", "100", "0", 5, acu}, {"logaritmo_de_cero", .01, 0, "1", "0.3", "0.05", "100", "0", 5, acu},
    {"tiempo_negativo", .01, 2e-4, "-1", "0.3", "0.05", "100", "0", 5, pun},
    // Two negatives whose signs would cancel in u are still invalid.
    {"T_y_S_negativos", -.01, -2e-4, "1", "0.3", "0.05", "100", "0", 5, acu},
    {"T_y_S_negativos_y_tiempo_cero", -.01, -2e-4, "0", "0.3", "0.05", "100", "0", 11, pun},
    {"sobre_un_pozo_sin_diametro", .01, 2e-4, "1", "", "0.05", "0", "0", 5, poz},
    {"S_cero_antes_que_el_diametro", .01, 0, "1", "", "0.05", "0", "0", 5, acu},
    {"logaritmo_antes_que_el_gasto", .01, 0, "1", "0.3", "abc", "100", "0", 5, acu},
    {"gasto_no_numerico", .01, 2e-4, "1", "0.3", "abc", "100", "0", 13, poz},
    // An overflow is blamed on the value that made it, finite or not.
    {"gasto_infinito", .01, 2e-4, "1", "0.3", "1e309", "100", "0", 6, poz}, {"pozo_lejano", .01, 2e-4, "1", "0.3", "0.05", "1e200", "0", 6, poz},
    {"diametro_enorme", .01, 2e-4, "1", "1e200", "0.05", "100", "0", 6, poz}, {"punto_lejano", .01, 2e-4, "1", "0.3", "0.05", "100", "1e200", 6, pun},
    {"u_por_T_diminuta", 1e-320, 2e-4, "1", "0.3", "0.05", "100", "0", 6, acu}, {"T_enorme", 1e308, 2e-4, "1", "0.3", "0.05", "100", "0", 6, acu},
    {"tiempo_enorme", .01, 2e-4, "1e305", "0.3", "0.05", "100", "0", 6, pun},
    {"u_por_tiempo_diminuto", .01, 2e-4, "1e-320", "0.3", "0.05", "100", "0", 6, pun}}), por_nombre);
// clang-format on

// The first failing well stops the sum and is named, also when only the total overflows.
TEST_P(Segundos, TheFirstFailingWellIsNamed) {
    const auto& [nombre, segundo, error] = GetParam();
    const Grid pozos =
        tabla_pozos({{"A", "0", "2e306", "100", "0"}, {"B", "0", segundo, "100", "0"}});
    const auto e = fallo([&] { abatimiento(acuifero(), pozos, "1", 0, 0); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->numero(), error);
    EXPECT_EQ(e->pozo, 2);
    EXPECT_EQ(origen_del_error(*e, datos_de(acuifero(), pozos, "1")), Origen::pozos);
}

INSTANTIATE_TEST_SUITE_P(Abatimiento, Segundos,
                         testing::ValuesIn(std::vector<Segundos::ParamType>{
                             {"gasto_no_numerico", "x", 13},
                             {"solo_el_total_desborda", "2e306", 6}}),
                         por_nombre);

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
    EXPECT_EQ(r.Rows(), 3);
    EXPECT_EQ(r.TextMatrix(0, 2), "   Pozo [m]   ");
    EXPECT_EQ(r.TextMatrix(0, 3), "   Pozo b|c[m]   ");
    EXPECT_EQ(fila(r, 1), "1|A|.3333|.3333|.3333|.|0.9999");
    calcular_resultados(acuifero(), pozo, tabla_puntos({}), "1", r);  // no point, no row
    EXPECT_EQ(r.Cols(), 4);
    EXPECT_EQ(r.Rows(), 2);
    EXPECT_EQ(fila(r, 1), "|||");
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
    // axis -4..10 puts one at 2.9999999999999991) gets the drawdown at the well's face.
    const DatosCalculo sobre = datos_de(d, tabla_pozos({{"P", "", "0.05", "0", "0"}}), "1");
    const auto e = fallo([&] { generar_red(d, sobre, 0, 200, 0, 100); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->numero(), 5);
    EXPECT_EQ(e->pozo, 1);
    EXPECT_EQ(e->nodo, std::pair(0.0, 0.0));
    EXPECT_EQ(d.nodos->Count(), 23 + 1);  // the first grid column and the node (0, -5)
    generar_red(d, datos_de(d, tabla_pozos({{"W", "0.3", "0.05", "3", "3"}}), "1"), -4, 10, -4, 10);
    double mayor = 0;
    for (const cRedG& n : *d.nodos) mayor = std::max(mayor, n.abat());
    EXPECT_NEAR(mayor, 7.9108300, 5e-8);
}

// A node too far for its distance to a well leads to the table whose coordinate stretched the
// chart: a point at 1e154 m, and a well; a tie blames the wells.
TEST_P(Lejanias, LeadToTheTableThatStretchedTheChart) {
    const auto& [nombre, x, origen] = GetParam();
    Declaraciones d = acuifero();
    const DatosCalculo datos = datos_de(d, tabla_pozos({{"P", "0.3", "0.05", x, "0"}}), "1",
                                        tabla_puntos({{"A", "1e154", "0"}, {"B", "0", "0"}}));
    const auto lejos = fallo([&] { generar_red(d, datos, -1.3e154, 0, 0, 1); });
    ASSERT_TRUE(lejos);
    EXPECT_EQ(origen_del_error(*lejos, datos), origen);
}

INSTANTIATE_TEST_SUITE_P(Red, Lejanias,
                         testing::ValuesIn(std::vector<Lejanias::ParamType>{
                             {"pozo_mas_lejos", "1.3e154", Origen::pozos},
                             {"empate", "1e154", Origen::pozos},
                             {"punto_mas_lejos", "-1", Origen::puntos}}),
                         por_nombre);

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
