// The engine against the exact path: the well function (the series, then Boost's E1), each
// well's drawdown, the totals of whole fields and the errors, in the exact path's order.
#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <random>

#include "calc/abatimiento.h"
#include "calc/campo_pozos.h"
#include "calc/funcion_pozo.h"
#include "calc/funcion_pozo_coeficientes.h"
#include "calc/nucleo_simd.h"
#include "support/casos.h"
#include "support/fixtures.h"

using namespace abat;
using namespace abat::prueba;

namespace {

// A test on each instruction set the engine is built for and this processor runs, as the program
// would pick it on an older processor.
template <typename Prueba>
void en_cada_conjunto(Prueba prueba) {
    for (const int64_t conjunto : hwy::SupportedAndGeneratedTargets()) {
        hwy::SetSupportedTargetsForTest(conjunto);
        prueba(hwy::TargetName(conjunto));
    }
    hwy::SetSupportedTargetsForTest(0);
}

// T, S and the time
using Acuiferos = Tabla<double, double, double>;
using Campos = Tabla<unsigned, int, double, double, double>;  // seed, wells, T, S and the time
// How a case spoils the field or the places.
using FallosDelMotor = Tabla<std::function<void(DatosCalculo&, std::vector<double>&)>>;

}  // namespace

// Over each range of u and at the switches between them, within a few units in the last place;
// from u_cero on, where E1 nears the smallest double, 0 within w_despreciable.
TEST(CampoPozos, VectorWellFunctionAsTheExactPathOnEveryInstructionSet) {
    // clang-format off
    std::vector<double> u = {u_cruce, std::nextafter(u_cruce, 0.0), std::nextafter(u_cruce, 1.0),
                             1.0, std::nextafter(1.0, 2.0), coef::u_cero, 708.0, 1e-300};
    std::mt19937_64 g(7);
    for (const auto& [desde, hasta] : {std::pair{1e-12, u_cruce}, {u_cruce, 1.0}, {1.0, 40.0},
                                       {40.0, coef::u_cero}, {coef::u_cero, 800.0}}) {
        // clang-format on
        std::uniform_real_distribution<double> ln_u(std::log(desde), std::log(hasta));
        for (int i = 0; i < 200'001; ++i) u.push_back(std::exp(ln_u(g)));
    }
    en_cada_conjunto([&](const char* conjunto) {
        std::vector<double> w(u.size());
        funcion_pozo_vector(u.data(), w.data(), u.size());
        for (size_t i = 0; i < u.size(); ++i) {
            const double exacto = funcion_pozo(u[i]);
            ASSERT_LE(std::fabs(w[i] - exacto), 1e-14 * exacto + coef::w_despreciable)
                << conjunto << " u = " << u[i];
        }
    });
}

// An aquifer and time, 200 000 wells around one place at distances whose u spread evenly in log
// from 1e-12 to 700, one in ten with a radius that may take over; rates of both signs.
TEST_P(Acuiferos, TwoHundredThousandWellsWithin1e12OfTheExactPath) {
    const auto& [nombre, T, S, tiempo] = GetParam();
    std::mt19937_64 g(3);
    std::uniform_real_distribution<double> ln_u(std::log(1e-12), std::log(700.0));
    std::uniform_real_distribution<double> uno(-1, 1);
    DatosCalculo datos{{T, S}, tiempo, {}, {}};
    const double x = 1e4 * uno(g);
    const double y = 1e4 * uno(g);
    for (int k = 0; k < 200'000; ++k) {
        const double r = std::sqrt(std::exp(ln_u(g)) * T * 4 * tiempo * 86400 / S);
        const double a = std::numbers::pi * uno(g);
        datos.pozos.push_back(pozo_en(x + r * std::cos(a), y + r * std::sin(a), uno(g),
                                      k % 10 == 0 ? std::fabs(uno(g)) / 2 : 0));
    }
    std::vector<double> exacto;
    for (const Pozo& p : datos.pozos) exacto.push_back(abatimiento_pozo(datos, p, x, y));
    const CampoPozos campo(datos);
    en_cada_conjunto([&](const char* conjunto) {
        const Partes partes = campo.partes(datos.tiempo, x, y);
        for (size_t k = 0; k < exacto.size(); ++k) {
            ASSERT_LE(std::fabs(partes.valores[k] - exacto[k]),
                      1e-12 * std::fabs(exacto[k]) + 1e-13)
                << conjunto << " " << k;
        }
    });
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CampoPozos, Acuiferos, testing::ValuesIn(std::vector<Acuiferos::ParamType>{{"confinado_un_dia", 0.01, 2e-4, 1},
    {"muy_transmisivo_un_cuarto_de_hora", 5, 1e-5, 0.01}, {"libre_diez_anos", 2e-3, 0.3, 3650}, {"casi_impermeable", 1e-6, 1e-6, 1e5},
    {"libre_transmisivo", 8, 0.25, 200}}), por_nombre);
// clang-format on

// Fields with injection wells; places all over them, on each well and a hair from one. The
// totals hold to 1e-12 of the sum of the shares' sizes, within the bound the engine gives; two
// threads give the very same values as one.
TEST_P(Campos, TotalsOfFieldsWithInjectionWells) {
    const auto& [nombre, semilla, n, T, S, tiempo] = GetParam();
    const DatosCalculo datos = campo_aleatorio(semilla, n, 2000, T, S, tiempo);
    std::vector<double> x;
    std::vector<double> y;
    std::mt19937_64 g(semilla);
    std::uniform_real_distribution<double> lugar(-500, 2500);
    for (int i = 0; i < 1500; ++i) x.push_back(lugar(g)), y.push_back(lugar(g));
    for (const Pozo& p : datos.pozos) x.push_back(p.x), y.push_back(p.y);
    x.push_back(datos.pozos[0].x + 1e-9), y.push_back(datos.pozos[0].y);
    const CampoPozos campo(datos);
    const Totales t = campo.totales(tiempo, x, y, 1);
    EXPECT_EQ(campo.totales(tiempo, x, y, 2).valores, t.valores);
    ASSERT_EQ(t.valores.size(), x.size());
    for (size_t i = 0; i < x.size(); ++i) {
        double suma = 0;
        for (const Pozo& p : datos.pozos) suma += std::fabs(abatimiento_pozo(datos, p, x[i], y[i]));
        const double error = std::fabs(t.valores[i] - abatimiento_punto(datos, x[i], y[i]));
        ASSERT_LE(error, std::min(1e-12 * suma + 1e-13, t.cotas[i])) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(CampoPozos, Campos,
                         testing::ValuesIn(std::vector<Campos::ParamType>{
                             {"un_pozo", 1U, 1, 0.01, 2e-4, 1.0},
                             {"mil_pozos_un_ano", 4U, 1000, 0.05, 1e-5, 365.0}}),
                         por_nombre);

// Each case spoils a field of five wells with forty places on a line through them (places 10,
// 20 and 30 on wells 1 to 3). The engine raises the error the exact path raises at the first place
// that fails, naming the same well, cause and place, and the values of the places before it.
TEST_P(FallosDelMotor, AreTheExactPathsAtTheFirstFailingPlace) {
    DatosCalculo datos{{0.01, 2e-4}, 1, {}, {}};
    std::vector<double> x, y(40, 0.0);
    for (int i = 0; i < 40; ++i) x.push_back(10.0 * i - 100);
    for (int k = 0; k < 5; ++k) datos.pozos.push_back(pozo_en(100.0 * k, 0, 0.01 * (k - 1)));
    std::get<1>(GetParam())(datos, x);
    std::optional<ErrorCalculo> esperado;
    size_t i = 0;
    try {
        for (; i < x.size(); ++i) abatimiento_punto(datos, x[i], y[i]);
    } catch (ErrorCalculo& e) {
        esperado = e;
        esperado->nodo = std::pair(x[i], y[i]);
    }
    const Totales t = CampoPozos(datos).totales(datos.tiempo, x, y);
    ASSERT_EQ(t.error.has_value(), esperado.has_value());
    EXPECT_EQ(t.valores.size(), i);
    if (!esperado) return;
    EXPECT_EQ(t.error->numero(), esperado->numero());
    EXPECT_EQ(t.error->causa, esperado->causa);
    EXPECT_EQ(t.error->pozo, esperado->pozo);
    EXPECT_EQ(t.error->nodo, esperado->nodo);
}

const auto gasto = [](int k, const char* texto) {
    return [=](DatosCalculo& d, auto&) { d.pozos[k].caudal = leer_estricto(texto); };
};
// clang-format off
INSTANTIATE_TEST_SUITE_P(CampoPozos, FallosDelMotor, testing::ValuesIn(std::vector<FallosDelMotor::ParamType>{
    {"T_cero", [](auto& d, auto&) { d.acuifero.T = 0; }}, {"tiempo_cero", [](auto& d, auto&) { d.tiempo = 0; }},
    {"S_cero", [](auto& d, auto&) { d.acuifero.S = 0; }}, {"T_negativa", [](auto& d, auto&) { d.acuifero.T = -0.01; }},
    {"S_enorme", [](auto& d, auto&) { d.acuifero.S = 1e306; }}, {"T_diminuta", [](auto& d, auto&) { d.acuifero.T = 1e-320; }},
    {"tiempo_diminuto", [](auto& d, auto&) { d.tiempo = 1e-320; }},
    {"pozo_sin_diametro_en_el_lugar_30", [](auto& d, auto&) { d.pozos[2].diametro = 0; }}, {"gasto_no_numerico", gasto(1, "x")},
    {"gasto_enorme", gasto(3, "1e307")}, {"gasto_infinito", gasto(0, "1e400")},
    {"lugar_17_lejano_antes", [](auto& d, auto& x) { d.pozos[2].diametro = 0, x[17] = 1e200; }},
    {"S_fuera_de_los_intervalos_sin_error", [](auto& d, auto&) { d.acuifero.S = 1e-45; }}, {"sin_cambio", [](auto&, auto&) {}}}), por_nombre);
// clang-format on
