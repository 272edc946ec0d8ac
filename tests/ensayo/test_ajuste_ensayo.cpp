// T and S from a pumping test: Theis's curve fitted by least squares, Cooper–Jacob's and the
// recovery's straight lines, Bourdet's derivative, and the refusals of a test that gives none.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "calc/abatimiento.h"
#include "calc/funcion_pozo.h"
#include "ensayo/ajuste_ensayo.h"
#include "ensayo/datos_ensayo.h"
#include "ensayo/derivada_bourdet.h"
#include "ensayo/rectas_ensayo.h"
#include "ensayo/superposicion.h"
#include "model/numeros.h"
#include "support/casos.h"

using namespace abat;
using namespace abat::prueba;

namespace {

struct Sintetico {
    double T = 0.01, S = 2e-4, Q = 0.01;
    std::vector<double> radios = {30};
    double ruido = 0;                // standard deviation of the drawdowns' noise, m
    std::optional<double> fin = {};  // s
    const char* unidad = "min";
    double segundos = 60;                  // in one of that unit
    std::vector<EtapaEnsayo> etapas = {};  // after the first rate, from `desde` [s]
};

// Readings at 30 times a well, log-spaced from 0.1 min to 1000 min, of Theis's drawdown, noise
// from a fixed seed added, written as the program writes numbers.
EnsayoTexto ensayo(const Sintetico& c) {
    std::mt19937 azar(20240611);
    std::normal_distribution<double> ruido;
    const auto escrito = [](double v) { return number_to_text(v); };
    EnsayoTexto e{escrito(c.Q), c.unidad, c.fin ? escrito(*c.fin / c.segundos) : "", {}, {}, {}};
    DatosEnsayo historia;
    historia.Q = c.Q;
    historia.etapas = c.etapas;
    historia.fin = c.fin;
    for (const EtapaEnsayo& k : c.etapas)
        e.etapas.push_back({escrito(k.desde / c.segundos), escrito(k.Q)});
    for (size_t k = 0; k < c.radios.size(); ++k) {
        for (int i = 0; i < 30; ++i) {
            const double t = 6 * std::pow(10.0, 4.0 * i / 29);
            const double s = abatimiento_ensayo({c.T, c.S}, historia.cambios(), c.radios[k], t) +
                             c.ruido * ruido(azar);
            e.medidas.push_back({"P" + std::to_string(k + 1), escrito(c.radios[k]),
                                 escrito(t / c.segundos), escrito(s), false});
        }
    }
    return e;
}

template <typename R>
R valor(const Resuelto<R>& r) {
    if (!r) throw std::runtime_error(r.rechazo());
    return *r;
}

DatosEnsayo datos(const EnsayoTexto& e) {
    return valor(leer_ensayo(e));
}

AjusteTheis theis(const EnsayoTexto& e, std::optional<Acuifero> inicio = std::nullopt) {
    return valor(ajustar_theis(datos(e), inicio));
}

double relativo(double a, double b) {
    return std::fabs(a / b - 1);
}

// What a test says against being fitted: the refusal of its readings, or else of its fit.
std::string rechazo(const EnsayoTexto& e) {
    const Resuelto<DatosEnsayo> d = leer_ensayo(e);
    return d ? ajustar_theis(*d).rechazo() : d.rechazo();
}

using Ensayos = Tabla<Sintetico>;
struct EnsayosPorEtapas : Ensayos {};
// How a test of two wells is spoilt, and what its refusal says.
using Estropeados = Tabla<void (*)(EnsayoTexto&), const char*>;

}  // namespace

// Without noise the fit gives back T and S to their written digits, factors of about 1; with
// noise, close to the truth, which its 95 % interval holds, the residuals' root mean square the
// noise's deviation. Started three orders of magnitude off in T, in S or in both, it
// reaches the same minimum.
TEST_P(Ensayos, RecuperaTyS) {
    const Sintetico& c = std::get<1>(GetParam());
    const EnsayoTexto e = ensayo(c);
    const AjusteTheis a = theis(e);
    EXPECT_EQ(a.medidas, 30 * c.radios.size());
    const double error = c.ruido == 0 ? 1e-9 : 0.15;
    EXPECT_LT(relativo(a.acuifero.T, c.T), error);
    EXPECT_LT(relativo(a.acuifero.S, c.S), error);
    EXPECT_NEAR(a.rms, c.ruido, 0.3 * c.ruido + 1e-12);
    EXPECT_TRUE(c.ruido > 0 ? std::fabs(std::log(a.acuifero.T / c.T)) < std::log(a.factorT) &&
                                  std::fabs(std::log(a.acuifero.S / c.S)) < std::log(a.factorS)
                            : a.factorT < 1 + 1e-9);
    for (const auto& [porT, porS] : {std::pair{1e-3, 1e3}, {1e3, 1e-3}, {1e3, 1e3}}) {
        const Acuifero lejos = theis(e, Acuifero{c.T * porT, c.S * porS}).acuifero;
        EXPECT_LT(relativo(lejos.T, a.acuifero.T), 1e-7) << porT << " " << porS;
        EXPECT_LT(relativo(lejos.S, a.acuifero.S), 1e-7) << porT << " " << porS;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EnsayoTheis, Ensayos, testing::ValuesIn(std::vector<Ensayos::ParamType>{
    {"tres_piezometros", {.T = 0.003, .S = 5e-5, .radios = {10, 45, 200}}},
    {"recuperacion_en_horas", {.radios = {30, 90}, .fin = 6000.0, .unidad = "h", .segundos = 3600}},
    {"en_segundos", {.T = 0.5, .S = 1e-3, .Q = 0.05, .radios = {20}, .unidad = "s", .segundos = 1}},
    {"en_dias", {.T = 1e-4, .S = 1e-2, .Q = 0.001, .radios = {5}, .unidad = "días", .segundos = 86400}},
    {"con_ruido", {.T = 0.004, .S = 1e-4, .Q = 0.009, .radios = {30, 90}, .ruido = 0.01}}}), por_nombre);
// clang-format on

// A reading left out is out of the fit: a wild one changes nothing once excluded, and is kept
// for the chart by its row and time.
TEST(EnsayoTheis, MedidaExcluidaFueraDelAjuste) {
    const EnsayoTexto e = ensayo({.radios = {30, 90}, .ruido = 0.005});
    EnsayoTexto con_error = e;
    con_error.medidas.insert(con_error.medidas.begin() + 10, {"P1", "30", "5", "3.5", false});
    EXPECT_GT(relativo(theis(con_error).acuifero.T, theis(e).acuifero.T), 0.01);
    con_error.medidas[10].excluida = true;
    const AjusteTheis a = theis(con_error);
    EXPECT_TRUE(a.acuifero.T == theis(e).acuifero.T && a.medidas == 60);
    const DatosEnsayo d = datos(con_error);
    ASSERT_EQ(d.excluidas.size(), 1u);
    EXPECT_TRUE(d.excluidas[0].numero == 11 && d.excluidas[0].t == 300.0);
}

// A test of two wells that gives no fit, spoilt in one way, is told why.
TEST_P(Estropeados, RechazosDicenCual) {
    const auto& [nombre, estropear, dice] = GetParam();
    EnsayoTexto e = ensayo({.radios = {30, 90}});
    estropear(e);
    EXPECT_NE(rechazo(e).find(dice), std::string::npos) << rechazo(e);
}

using E = EnsayoTexto;
// clang-format off
INSTANTIATE_TEST_SUITE_P(EnsayoTheis, Estropeados, testing::ValuesIn(std::vector<Estropeados::ParamType>{
    {"sin_caudal", [](E& e) { e.caudal = " "; }, "Falta el caudal"}, {"caudal_cero", [](E& e) { e.caudal = "0"; }, "caudal del ensayo es 0"},
    {"caudal_negativo", [](E& e) { e.caudal = "-0,01"; }, "es negativo"},
    {"caudal_no_numerico", [](E& e) { e.caudal = "mucho"; }, "«mucho», no es un valor numérico"},
    {"fin_no_numerico", [](E& e) { e.fin_bombeo = "ayer"; }, "El fin del bombeo, «ayer»"},
    {"fin_al_empezar", [](E& e) { e.fin_bombeo = "0"; }, "El fin del bombeo debe ser un tiempo mayor que 0"},
    {"distancia_cero", [](E& e) { e.medidas[4].r = "0"; }, "La medida 5 está a una distancia de 0 m"},
    {"distancia_negativa", [](E& e) { e.medidas[4].r = "-30"; }, "La medida 5 tiene una distancia negativa"},
    {"antes_de_empezar", [](E& e) { e.medidas[0].t = "-1"; }, "La medida 1 es del comienzo del bombeo"},
    {"abatimiento_con_unidad", [](E& e) { e.medidas[7].s = "0,2 m"; }, "La medida 8 (abatimiento): «0,2 m» no es un valor numérico"},
    {"sin_tiempo", [](E& e) { e.medidas[2].t = ""; }, "La medida 3 no tiene tiempo"},
    {"piezometro_que_se_mueve", [](E& e) { e.medidas[3].r = "31"; }, "«P1» está a 30 m en la medida 1 y a 31 m en la medida 4"},
    {"unidad_desconocida", [](E& e) { e.unidad_tiempo = "semanas"; }, "«semanas» no es ninguna"},
    {"dos_medidas", [](E& e) { e.medidas.resize(2); }, "Hay 2 medidas en el ajuste"},
    {"todas_excluidas", [](E& e) { for (MedidaTexto& m : e.medidas) m.excluida = true; }, "Hay 0 medidas"},
    {"abatimientos_que_bajan", [](E& e) { for (MedidaTexto& m : e.medidas) m.s = number_to_text(1 / *numero_ensayo(m.t)); }, "no dan un ajuste"},
    {"un_solo_tiempo_y_lugar", [](E& e) { e.medidas.assign(4, MedidaTexto(e.medidas[3])); }, "no distinguen T de S"}}), por_nombre);
// clang-format on

// Each well's straight line through its late readings, where u ≤ 0.05 by the Theis fit, gives
// the aquifer back within what the line's W(u) allows.
TEST(EnsayoRectas, CooperJacobPorPiezometro) {
    const Sintetico c{.radios = {30, 90}, .ruido = 0.002};
    const DatosEnsayo d = datos(ensayo(c));
    const AjusteRectas r = valor(cooper_jacob(d));
    ASSERT_EQ(r.rectas.size(), 2u);
    for (const RectaPiezometro& p : r.rectas) {
        const double rr = d.piezometros[p.piezometro].r;
        EXPECT_TRUE(relativo(p.acuifero.T, c.T) < 0.01 && relativo(p.acuifero.S, c.S) < 0.1 &&
                    relativo(p.desde, rr * rr * c.S / (4 * c.T * u_recta)) < 0.4)
            << p.piezometro;
    }
    EXPECT_LT(relativo(r.acuifero.T, c.T), 0.01);
}

// Through rate steps, rising and falling, the lines on the paper of superposition give T and S
// as for one rate, and Bourdet's derivative at the end of each step is Q₁/4πT, the level of
// radial flow, as at the first rate.
TEST_P(EnsayosPorEtapas, RectasYDerivada) {
    const Sintetico& c = std::get<1>(GetParam());
    const DatosEnsayo d = datos(ensayo(c));
    const AjusteRectas cj = valor(cooper_jacob(d));
    EXPECT_TRUE(relativo(cj.acuifero.T, c.T) < 0.01 && relativo(cj.acuifero.S, c.S) < 0.1)
        << cj.acuifero.T << " " << cj.acuifero.S;
    EXPECT_LT(relativo(valor(recuperacion_theis(d)).acuifero.T, c.T), 0.02);
    std::vector<PuntoTiempo> bombeo;
    for (const MedidaEnsayo& m : d.medidas) {
        if (!d.recuperando(m)) bombeo.push_back({m.t, m.s});
    }
    const std::vector<PuntoTiempo> v = derivada_superpuesta(d, bombeo);
    for (const EtapaEnsayo& fin_de_etapa : c.etapas) {
        const auto ultima = std::find_if(
            v.rbegin(), v.rend(), [&](const PuntoTiempo& p) { return p.t <= fin_de_etapa.desde; });
        ASSERT_NE(ultima, v.rend());
        EXPECT_NEAR(ultima->s, c.Q / (4 * std::numbers::pi * c.T), 0.03 * ultima->s) << ultima->t;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EnsayoRectas, EnsayosPorEtapas, testing::ValuesIn(std::vector<Ensayos::ParamType>{
    {"caudal_que_sube", {.fin = 36000.0, .etapas = {{1800, 0.02}, {12000, 0.03}}}},
    {"caudal_que_baja", {.Q = 0.03, .fin = 36000.0, .etapas = {{1800, 0.015}, {12000, 0.02}}}}}), por_nombre);
// clang-format on

// Readings exactly on a line give the textbooks' figures: Cooper–Jacob's T = 2.303 Q / 4π Δs,
// S = 2.25 T t0 / r², in the window given; the recovery's T = 2.303 Q / 4π Δs' against t / t',
// and no S.
TEST(EnsayoRectas, FormulasDeLosLibrosYSinRecta) {
    // Δs = 0.2 m a log cycle, t0 = 100 s, Q = 0.01 m3/s, r = 30 m; the stop at 1000 s.
    const double T = std::log(10.0) * 0.01 / (4 * std::numbers::pi * 0.2);
    EnsayoTexto e{"0.01", "s", "1000", {}, {}, {}};
    for (const double t : {400.0, 600.0, 1000.0, 1100.0, 1500.0, 3000.0}) {
        const double s = 0.2 * log10(t <= 1000 ? t / 100 : t / (t - 1000));
        e.medidas.push_back({"P", "30", number_to_text(t), number_to_text(s), false});
    }
    const DatosEnsayo d = datos(e);
    const AjusteRectas cj = valor(cooper_jacob(d, {1.0, 1000.0}));
    EXPECT_NEAR(cj.acuifero.T, T, 1e-9 * T);
    EXPECT_NEAR(cj.acuifero.S, 2.25 * T * 100 / 900, 1e-9);
    EXPECT_TRUE(cj.medidas == 3 && !cj.seleccion);
    const AjusteRectas rec = valor(recuperacion_theis(d, {1.0, 1e6}));
    EXPECT_NEAR(rec.acuifero.T, T, 1e-9 * T);
    EXPECT_TRUE(rec.acuifero.S == 0 && rec.rectas[0].desde == 1100);
    // Without a stop there is no recovery; with too few readings in the window, no line, and why
    // for each well.
    const DatosEnsayo sin_fin = datos(ensayo({.radios = {30, 90}}));
    EXPECT_EQ(recuperacion_theis(sin_fin).rechazo(),
              "Falta el fin del bombeo: la recuperación son las medidas posteriores a él.");
    EXPECT_EQ(cooper_jacob(sin_fin, {60.0, 70.0}).rechazo(),
              "Ningún piezómetro da una recta: «P1», menos de dos medidas en la ventana de "
              "tiempos; «P2», menos de dos medidas en la ventana de tiempos.");
}

namespace {

// Readings and the derivative they have at each time.
struct CasoDerivada {
    const char* nombre;
    std::vector<PuntoTiempo> lecturas;
    std::function<double(double)> exacta;  // ds/d ln t at t
    double factor;  // the most it may be off at a reading, up or down, as on log-log paper
};

// Theis's drawdown of 0.02 m3/s at 1 m from T = 0.01, S = 2e-4 at n log-spaced times from `desde`
// to `hasta` s, with noise of `ruido` m from a fixed seed; its derivative is Q e^-u / 4πT.
CasoDerivada theis_con_ruido(const char* nombre, int n, double desde, double hasta, double ruido,
                             double factor) {
    std::mt19937 azar(7);
    std::normal_distribution<double> normal(0, ruido);
    CasoDerivada c{
        nombre,
        {},
        [](double t) { return 0.02 / (cuatro_pi * 0.01) * std::exp(-2e-4 / (4 * 0.01 * t)); },
        factor};
    for (int i = 0; i < n; ++i) {
        const double t = desde * std::pow(hasta / desde, i / (n - 1.0));
        c.lecturas.push_back({t, abatimiento_theis({0.01, 2e-4}, 0.02, 1, t) + normal(azar)});
    }
    return c;
}

void PrintTo(const CasoDerivada& c, std::ostream* os) {
    *os << c.nombre;
}

CasoDerivada recta() {
    CasoDerivada c{"recta", {}, [](double) { return 0.7; }, 1 + 1e-12};
    for (int i = 0; i < 200; ++i) {
        const double t = std::pow(10.0, 3 + i * 0.01);
        c.lecturas.push_back({t, 0.3 + 0.7 * std::log(t)});
    }
    return c;
}

}  // namespace

class EnsayoDerivada : public testing::TestWithParam<CasoDerivada> {};

// Every reading has a derivative, the first and the last too, close to the true one: on a line
// s = a + b ln t it is b; over a noisy record, near the ends, where one side alone has a neighbour
// 0.2 log cycles away, the slope to it keeps the noise down as in the middle (where two
// neighbouring readings of 10,000 with 1 cm of noise gave 5 m and 0.001 m for 0.16 m).
TEST_P(EnsayoDerivada, CadaLecturaHastaLosExtremos) {
    const CasoDerivada& c = GetParam();
    const std::vector<PuntoTiempo> d = derivada_bourdet(c.lecturas);
    ASSERT_EQ(d.size(), c.lecturas.size());
    for (size_t i = 0; i < d.size(); ++i) {
        const double razon = d[i].s / c.exacta(d[i].t);
        ASSERT_TRUE(razon < c.factor && razon > 1 / c.factor) << i << " " << d[i].t << " " << razon;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Registros, EnsayoDerivada,
    testing::Values(recta(),
                    theis_con_ruido("diez_mil_lecturas_con_1_cm_de_ruido", 10000, 6, 6e5, 0.01, 3),
                    theis_con_ruido("pocas_lecturas_sin_ruido", 30, 6, 6e4, 0, 1.02)),
    [](const auto& i) { return std::string(i.param.nombre); });

// Two readings of one time have none. Smoothing over 0.2 log cycles averages out the noise of
// close readings that a derivative between neighbours shows.
TEST(EnsayoDerivadaSuavizado, MismoTiempoYRuido) {
    EXPECT_TRUE(derivada_bourdet({{5, 1}, {5, 2}}).empty());
    const std::vector<PuntoTiempo> ruidosa = theis_con_ruido("", 200, 1e3, 1e5, 0.002, 0).lecturas;
    const auto peor = [&](double ciclos) {  // the largest error away from the ends
        const std::vector<PuntoTiempo> d = derivada_bourdet(ruidosa, ciclos);
        double e = 0;
        for (size_t i = 20; i + 20 < d.size(); ++i)
            e = std::max(e, std::fabs(d[i].s - 0.02 / (cuatro_pi * 0.01)));
        return e;
    };
    EXPECT_LT(peor(0.2), 0.02);
    EXPECT_GT(peor(0), 5 * peor(0.2));
}
