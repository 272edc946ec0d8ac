// What the pumping test's window shows from the test's texts: the readings on the method's paper
// before any fit, the figures written as the program writes numbers, and the window of times of
// the straight lines refused when it is not one.
#include <gtest/gtest.h>

#include <cmath>

#include "ensayo/analisis_ensayo.h"
#include "model/numeros.h"
#include "support/casos.h"

using namespace abat;
using namespace abat::prueba;

namespace {

// Two wells of Theis's drawdowns, T = 0.005, S = 2e-4, 0.01 m3/s pumped until minute 300.
EnsayoTexto dos_pozos() {
    EnsayoTexto e{"0.01", "min", "300", {}, {}, {}};
    for (const int r : {30, 90}) {
        for (int i = 0; i < 20; ++i) {
            const double t = std::pow(600.0, i / 19.0);
            e.medidas.push_back(
                {"H" + std::to_string(r), std::to_string(r), number_to_text(t),
                 number_to_text(abatimiento_theis({0.005, 2e-4}, 0.01, r, t * 60, 300 * 60)),
                 false});
        }
    }
    return e;
}

using Redondeos = Tabla<double, int, std::string>;
using Ventanas = Tabla<const char*, const char*, const char*>;  // from, to, and what is said

}  // namespace

// Figures as the program writes numbers, to the digits that mean something.
TEST_P(Redondeos, Redondeado) {
    const auto& [nombre, valor, cifras, texto] = GetParam();
    EXPECT_EQ(redondeado(valor, cifras), texto);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(AnalisisEnsayo, Redondeos, testing::ValuesIn(std::vector<Redondeos::ParamType>{{"T", 0.00501281611062692, 3, "0.00501"},
    {"S", 0.000199770977653929, 3, "0.0002"}, {"millares", 12345.6, 3, "12300"}, {"negativo", -0.8234, 2, "-0.82"}, {"cero", 0, 3, "0"},
    {"uno", 1.0048, 3, "1"}}), por_nombre);
// clang-format on

// The window of the lines, in the test's unit: given, it chooses the readings; one that is not a
// window is told, and gives no number.
TEST_P(Ventanas, VentanaDeTiempos) {
    const auto& [nombre, desde, hasta, dice] = GetParam();
    const AnalisisEnsayo a =
        analizar_ensayo(dos_pozos(), {MetodoEnsayo::cooper_jacob, desde, hasta}, true);
    EXPECT_NE(a.resumen.find(dice), std::string::npos) << a.resumen;
    EXPECT_EQ(a.T.empty(), !a.acuifero);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(AnalisisEnsayo, Ventanas, testing::ValuesIn(std::vector<Ventanas::ParamType>{
    {"sin_ventana", "", "", "con u ≤ 0.05 según el ajuste de Theis"}, {"dada", "50", "250", "Rectas por las medidas de la ventana de tiempos"},
    {"desde_no_numerico", "ayer", "", "«Desde», «ayer», no es un valor numérico."}, {"al_reves", "200", "100", "«Desde» debe ser menor que «Hasta»."},
    {"sin_medidas_dentro", "1000", "2000", "Ningún piezómetro da una recta"}}), por_nombre);
// clang-format on

// Before "Ajustar", and while the rate is not typed yet, the readings show on the method's paper
// in their wells' series: no fit, no figure, no refusal.
TEST(AnalisisEnsayo, MedidasYFactores) {
    EnsayoTexto e = dos_pozos();
    e.caudal.clear();
    e.medidas[3].excluida = true;
    e.medidas[5].s = "seco";
    const AnalisisEnsayo theis = analizar_ensayo(e, {}, false);
    EXPECT_TRUE(!theis.acuifero && theis.resumen.empty());
    ASSERT_EQ(theis.dibujo.medidas.size(), 2u);
    EXPECT_EQ(theis.dibujo.medidas[0].puntos.size(), 18u);  // one left out, one unreadable
    EXPECT_EQ(std::pair(theis.dibujo.excluidas.puntos.size(), theis.dibujo.derivadas.size()),
              std::pair(size_t{1}, size_t{2}));
    // The recovery's paper: the readings after the stop, at t / t'.
    const AnalisisEnsayo r = analizar_ensayo(e, {MetodoEnsayo::recuperacion, "", ""}, false);
    EXPECT_TRUE(theis.dibujo.logaritmicoY && !r.dibujo.logaritmicoY);
    for (const PuntoTiempo& p : r.dibujo.medidas[1].puntos) EXPECT_GT(p.t, 1.0);
    EXPECT_EQ(r.dibujo.medidas[1].puntos.size(), 3u);
    // With the fit asked for, the refusal says why.
    EXPECT_EQ(analizar_ensayo(e, {}, true).resumen, "Falta el caudal del ensayo.");
    // The fit's figures, T and S as the program writes numbers: the intervals' factors two digits
    // beyond 1 below 2 (1.0043, 1.12) and two digits from 2 on (3.5), as a fit of few poor readings
    // gives; its curve and residuals.
    e = dos_pozos();
    e.medidas.resize(6);
    for (size_t i = 0; i < e.medidas.size(); ++i)
        e.medidas[i].s = number_to_text(std::stod(e.medidas[i].s) * (i % 2 ? 1.3 : 0.75));
    const AnalisisEnsayo a = analizar_ensayo(e, {}, true);
    ASSERT_TRUE(a.acuifero) << a.resumen;
    EXPECT_EQ(std::pair(a.T, a.S),
              std::pair(number_to_text(a.acuifero->T), number_to_text(a.acuifero->S)));
    EXPECT_TRUE(a.dibujo.curvas.size() == 1 && a.dibujo.residuos.at(0).puntos.size() == 6);
    const auto dice = [&](const char* texto) { return a.resumen.find(texto) != std::string::npos; };
    EXPECT_TRUE(dice("Error cuadrático medio: 0.0959 m, con 6 medidas.\n") &&
                dice("T ×/÷ 4.7, S ×/÷ 4.5; correlación de T y S: -0.9."))
        << a.resumen;
}

// A logger's first line, at t = 0, is left out of the fit by itself, which is that of the other
// readings, and the summary counts the readings so left out.
TEST(AnalisisEnsayo, MedidasEnTCeroFueraDelAjuste) {
    const MedidaTexto primeras[] = {{"H30", "30", "0", "0", false},
                                    {"H90", "90", "0,0", "0", false}};
    const char* dice[] = {"\nLa medida en t = 0 queda fuera del ajuste.",
                          "\nLas 2 medidas en t = 0 quedan fuera del ajuste."};
    const std::string T = analizar_ensayo(dos_pozos(), {}, true).T;
    EnsayoTexto e = dos_pozos();
    for (size_t n = 0; n < 2; ++n) {
        e.medidas.insert(e.medidas.begin() + static_cast<long>(n * 21), primeras[n]);
        const AnalisisEnsayo a = analizar_ensayo(e, {}, true);
        EXPECT_EQ(a.T, T) << a.resumen;
        EXPECT_TRUE(a.resumen.ends_with(dice[n])) << a.resumen;
    }
}
