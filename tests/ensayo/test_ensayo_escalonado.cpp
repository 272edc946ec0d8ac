// Step-drawdown tests: the rate's steps read and superposed, T, S and the well loss C·Qⁿ
// recovered from synthetic tests with noise (Jacob's n = 2 and a fitted n), each step's
// efficiency against the drawdowns of separate wells, Hantush–Bierschenk's line, and the
// refusals of a test that gives no fit.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "ensayo/ajuste_ensayo.h"
#include "ensayo/datos_ensayo.h"
#include "ensayo/ensayo_escalonado.h"
#include "model/numeros.h"
#include "support/casos.h"

using namespace abat;
using namespace abat::prueba;

namespace {

struct Escalonado {
    double T = 0.01, S = 2e-4, C = 2000, n = 2;
    double r = 0.15;                                                // the well's radius, m
    std::vector<double> caudales = {0.01, 0.02, 0.03, 0.04, 0.05};  // m3/s, 100 min each
    double ruido = 0.005;                                           // m
    int por_etapa = 40;                                             // readings
};

// The well's readings, log-spaced in each step from 0.5 min after its start, of the drawdown
// superposed by hand over separate wells, one a change of rate, plus the loss at the step's rate.
EnsayoTexto ensayo(const Escalonado& c) {
    std::mt19937 azar(7);
    std::normal_distribution<double> ruido;
    const auto escrito = [](double v) { return number_to_text(v); };
    EnsayoTexto e;
    e.caudal = escrito(c.caudales[0]);
    for (size_t k = 1; k < c.caudales.size(); ++k)
        e.etapas.push_back({escrito(100.0 * static_cast<double>(k)), escrito(c.caudales[k])});
    for (size_t k = 0; k < c.caudales.size(); ++k) {
        for (int i = 0; i < c.por_etapa; ++i) {
            const double desde = 100.0 * static_cast<double>(k);
            const double t = desde + 0.5 * std::pow(200.0, i / (c.por_etapa - 1.0));  // min
            double s = 0;
            for (size_t j = 0; j <= k; ++j) {
                const double antes = j == 0 ? 0 : c.caudales[j - 1];
                s += abatimiento_theis({c.T, c.S}, c.caudales[j] - antes, c.r,
                                       (t - 100.0 * static_cast<double>(j)) * 60);
            }
            s += c.C * std::pow(c.caudales[k], c.n) + c.ruido * ruido(azar);
            e.medidas.push_back({"Pozo", escrito(c.r), escrito(t), escrito(s), false});
        }
    }
    return e;
}

AjusteEscalonado ajustado(const EnsayoTexto& e, bool ajustar_n) {
    const Resuelto<DatosEnsayo> d = leer_ensayo(e);
    if (!d) throw std::runtime_error(d.rechazo());
    const Resuelto<AjusteEscalonado> f = ajustar_escalonado(*d, ajustar_n);
    if (!f) throw std::runtime_error(f.rechazo());
    return *f;
}

struct Recuperado {
    Escalonado ensayo;
    bool ajustar_n;
    double tolerancia_T, tolerancia_C, tolerancia_n;
};
using EscalonadosRecuperados = Tabla<Recuperado>;

// How a step test is spoilt, whether n is fitted, and what the refusal says.
using EscalonadosEstropeados = Tabla<void (*)(EnsayoTexto&), bool, const char*>;

}  // namespace

// T within a few per cent, C within some per cent and n within hundredths, whether the test is
// of five or three steps, with n = 2 or another, fitted or not, noise of half a centimetre.
TEST_P(EscalonadosRecuperados, AquiferAndWellLoss) {
    const Recuperado& c = std::get<1>(GetParam());
    const AjusteEscalonado f = ajustado(ensayo(c.ensayo), c.ajustar_n);
    EXPECT_NEAR(f.ajuste.acuifero.T / c.ensayo.T, 1, c.tolerancia_T);
    EXPECT_NEAR(f.C / c.ensayo.C, 1, c.tolerancia_C);
    EXPECT_EQ(f.n_ajustado, c.ajustar_n);
    EXPECT_NEAR(f.n, c.ensayo.n, c.tolerancia_n + 1e-12);
    EXPECT_LT(f.ajuste.rms, 2 * c.ensayo.ruido);
    // The intervals hold what was put in.
    EXPECT_LT(std::fabs(std::log(f.C / c.ensayo.C)), std::log(f.factorC) * 3);
    if (c.ajustar_n) {
        EXPECT_LT(std::fabs(f.n - c.ensayo.n), 3 * f.intervaloN);
    }
    EXPECT_EQ(f.etapas.size(), c.ensayo.caudales.size());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EnsayoEscalonado, EscalonadosRecuperados, testing::ValuesIn(std::vector<EscalonadosRecuperados::ParamType>{
    {"jacob_cinco_etapas", {{}, false, 0.03, 0.02, 0}},
    {"jacob_tres_etapas", {{.caudales = {0.02, 0.035, 0.05}}, false, 0.03, 0.03, 0}},
    {"jacob_con_n_libre", {{}, true, 0.03, 0.15, 0.05}},
    {"rorabaugh_n_2_6", {{.C = 8000, .n = 2.6}, true, 0.03, 0.15, 0.05}},
    {"rorabaugh_tres_etapas", {{.C = 8000, .n = 2.6, .caudales = {0.02, 0.035, 0.05}}, true, 0.05, 0.3, 0.1}},
}), por_nombre);
// clang-format on

// Without noise every figure of the table is that of the test built by hand: the aquifer's part
// as separate wells, one a change of rate, at each step's end; the well's, C Q²; the efficiency
// their ratio. The last step ends at the last reading.
TEST(EnsayoEscalonado, EfficiencyTableAgainstSeparateWells) {
    const Escalonado c{.caudales = {0.01, 0.03, 0.05}, .ruido = 0};
    const AjusteEscalonado f = ajustado(ensayo(c), false);
    const std::vector<double> hasta = {100, 200, 100 * 2 + 0.5 * 200};  // min
    ASSERT_EQ(f.etapas.size(), 3U);
    for (size_t k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        double acuifero = 0;
        for (size_t j = 0; j <= k; ++j) {
            const double antes = j == 0 ? 0 : c.caudales[j - 1];
            acuifero += abatimiento_theis({c.T, c.S}, c.caudales[j] - antes, c.r,
                                          (hasta[k] - 100.0 * static_cast<double>(j)) * 60);
        }
        const double pozo = c.C * c.caudales[k] * c.caudales[k];
        const EficienciaEtapa& e = f.etapas[k];
        EXPECT_DOUBLE_EQ(e.Q, c.caudales[k]);
        EXPECT_NEAR(e.hasta, hasta[k] * 60, 1e-6);
        EXPECT_NEAR(e.acuifero, acuifero, 1e-4);
        EXPECT_NEAR(e.pozo, pozo, 1e-4);
        EXPECT_NEAR(e.eficiencia(), 100 * acuifero / (acuifero + pozo), 0.01);
    }
    // The loss grows faster than the rate: the efficiency falls step after step.
    EXPECT_GT(f.etapas[0].eficiencia(), f.etapas[1].eficiencia());
    EXPECT_GT(f.etapas[1].eficiencia(), f.etapas[2].eficiencia());
}

// Hantush and Bierschenk's specific drawdown at each step's end: one point a step, on a line
// whose slope is near C for steps of equal length.
TEST(EnsayoEscalonado, HantushBierschenkLine) {
    const Escalonado c{.ruido = 0};
    const Resuelto<DatosEnsayo> d = leer_ensayo(ensayo(c));
    ASSERT_TRUE(d);
    const Especifico e = especifico(*d);
    ASSERT_EQ(e.puntos.size(), c.caudales.size());
    for (size_t k = 0; k < e.puntos.size(); ++k) EXPECT_DOUBLE_EQ(e.puntos[k].Q, c.caudales[k]);
    ASSERT_TRUE(e.b);
    EXPECT_NEAR(*e.b / c.C, 1, 0.15);
}

// A test's rate steps superpose on an observation well too: Theis's fit through them recovers
// the aquifer that a constant rate would.
TEST(EnsayoEscalonado, TheisFitFollowsTheSteps) {
    Escalonado c{.C = 0, .r = 25, .ruido = 0.002};
    EnsayoTexto e = ensayo(c);
    for (MedidaTexto& m : e.medidas) m.piezometro = "P1";
    const Resuelto<DatosEnsayo> d = leer_ensayo(e);
    ASSERT_TRUE(d);
    const Resuelto<AjusteTheis> f = ajustar_theis(*d);
    ASSERT_TRUE(f) << f.rechazo();
    EXPECT_NEAR(f->acuifero.T / c.T, 1, 0.02);
    EXPECT_NEAR(f->acuifero.S / c.S, 1, 0.05);
}

// Each way a step test is spoilt, and what the refusal says.
TEST_P(EscalonadosEstropeados, Refused) {
    const auto& [nombre, estropear, ajustar_n, dice] = GetParam();
    EnsayoTexto e = ensayo(Escalonado{});
    estropear(e);
    const Resuelto<DatosEnsayo> d = leer_ensayo(e);
    const std::string rechazo = d ? ajustar_escalonado(*d, ajustar_n).rechazo() : d.rechazo();
    EXPECT_NE(rechazo.find(dice), std::string::npos) << rechazo;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EnsayoEscalonado, EscalonadosEstropeados, testing::ValuesIn(std::vector<EscalonadosEstropeados::ParamType>{
    {"una_etapa", [](EnsayoTexto& e) { e.etapas.clear(); }, false,
     "Hay 1 etapa de caudal: el ensayo escalonado con n = 2 necesita al menos 2"},
    {"dos_etapas_con_n", [](EnsayoTexto& e) { e.etapas.resize(1); }, true,
     "Hay 2 etapas de caudal: el ensayo escalonado con el exponente ajustado necesita al menos 3"},
    {"caudal_que_no_cambia", [](EnsayoTexto& e) { for (EtapaTexto& t : e.etapas) t.caudal = e.caudal; }, false,
     "El caudal no cambia entre las etapas"},
    {"dos_pozos", [](EnsayoTexto& e) { e.medidas.back().piezometro = "P2"; }, false,
     "las medidas son de 2 pozos («Pozo», «P2»)"},
    {"etapa_que_no_es_numero", [](EnsayoTexto& e) { e.etapas[1].desde = "x"; }, false,
     "La etapa 3 empieza a «x» min, que no es un valor numérico."},
    {"etapa_tras_la_parada", [](EnsayoTexto& e) { e.fin_bombeo = "250"; }, false,
     "La etapa 4 empieza a los 300 min, cuando el bombeo ya ha terminado."},
    {"etapas_fuera_de_orden", [](EnsayoTexto& e) { e.etapas[2].desde = "150"; }, false,
     "La etapa 4 empieza a los 150 min, no después de la etapa 3 (a los 200 min)."},
    {"pocas_medidas", [](EnsayoTexto& e) { e.medidas.resize(3); }, false,
     "Hay 3 medidas en el ajuste: el ensayo escalonado necesita al menos 4."},
    {"sin_perdidas", [](EnsayoTexto& e) { e.medidas = ensayo(Escalonado{.C = 0}).medidas; }, false,
     "Las medidas no muestran pérdidas en el pozo"},
}), por_nombre);
// clang-format on

TEST(EnsayoEscalonado, LossUnitAndSign) {
    EXPECT_EQ(unidad_perdida(2), "s²/m⁵");
    EXPECT_EQ(unidad_perdida(2.5), "s^2.5/m^6.5");
    EXPECT_DOUBLE_EQ(perdida_pozo(1000, 2, -0.02), -0.4);
    EXPECT_DOUBLE_EQ(perdida_pozo(1000, 2, 0), 0);
}
