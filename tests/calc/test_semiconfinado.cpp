// A leaky aquifer through every path of the program: the engine's vectors against the exact path
// (wells, steps, images), a strip of a recharge line and a barrier against a direct sum of image
// wells, and the time-drawdown curve levelling off at de Glee's steady state.
#include <gtest/gtest.h>

#include <boost/math/special_functions/bessel.hpp>
#include <cmath>
#include <numbers>
#include <set>

#include "calc/abatimiento.h"
#include "calc/campo_pozos.h"
#include "calc/curva_tiempo.h"
#include "calc/funcion_hantush.h"
#include "support/fixtures.h"

namespace abat {
namespace {

using prueba::campo_aleatorio;
using prueba::poner_limites;
using prueba::pozo_en;

constexpr double pi = std::numbers::pi;

struct Caso {
    const char* nombre;
    double c;       // days
    double tiempo;  // days
    std::vector<Limite> limites;
};

void PrintTo(const Caso& c, std::ostream* os) {
    *os << c.nombre;
}

class EngineLeaky : public testing::TestWithParam<Caso> {};

// The vectors (the series of each source in ln u where it is evaluated many times, the table's
// restriction elsewhere, the far sources' interpolation) give the exact path's value within the
// bound they report, and that bound is small.
TEST_P(EngineLeaky, AsTheExactPathWithinItsBound) {
    const Caso& caso = GetParam();
    DatosCalculo d = campo_aleatorio(11, 60, 2000, 0.01, 2e-4, caso.tiempo);
    d.acuifero.c = caso.c;
    poner_limites(d, caso.limites);
    d.etapas.resize(d.pozos.size());
    for (size_t k = 0; k < d.pozos.size(); k += 4)
        d.etapas[k] = {{caso.tiempo / 3, leer_estricto("0")},
                       {caso.tiempo / 2, leer_estricto("0.02")}};
    std::vector<double> x, y;
    // Enough places that the wells which start together get their series in ln u.
    for (int j = 0; j < 1000; ++j) {
        x.push_back(2.0 * j + 0.5);
        y.push_back(1990 - 1.88 * j);
    }
    for (const Pozo& p : d.pozos) x.push_back(p.x), y.push_back(p.y);
    const Totales t = CampoPozos(d).totales(d.tiempo, x, y);
    ASSERT_EQ(t.valores.size(), x.size());
    ASSERT_FALSE(t.error.has_value());
    for (size_t i = 0; i < x.size(); ++i) {
        const double exacto = abatimiento_punto(d, x[i], y[i]);
        EXPECT_LE(std::fabs(t.valores[i] - exacto), t.cotas[i] + 1e-12 * std::fabs(exacto)) << i;
        EXPECT_LT(t.cotas[i], 1e-6 * std::fabs(exacto) + 1e-9) << i;
    }
}

constexpr TipoLimite R = TipoLimite::recarga;
constexpr TipoLimite B = TipoLimite::barrera;

INSTANTIATE_TEST_SUITE_P(
    Acuitardos, EngineLeaky,
    testing::Values(Caso{"poco_goteo", 1e5, 1, {}}, Caso{"goteo_medio", 43.9, 3, {}},
                    Caso{"mucho_goteo", 0.05, 30, {}}, Caso{"estacionario", 2, 3650, {}},
                    Caso{"franja", 20, 100, {{R, -10, 0, -10, 1}, {B, 2100, 0, 2100, 1}}}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Between a recharge line at x = -100 and a barrier at x = 200 the images repeat every 600 m,
// their signs set by the lines they were reflected across; in a leaky aquifer their sum converges
// at every time, each image bounded by 2 K0(r / B). The program's sum against this one, carried
// to 400 reflections.
TEST(FranjaSemiconfinada, AsADirectSumOfImages) {
    const double Q = 0.05, T = 0.01, S = 2e-4, c = 20;
    for (const double tiempo : {1.0, 100.0, 10000.0}) {
        DatosCalculo d{{T, S, c}, tiempo, {pozo_en(0, 0, Q)}, {}};
        poner_limites(d, {{R, -100, 0, -100, 1}, {B, 200, 0, 200, 1}});
        const double Bf = std::sqrt(T * c * 86400);
        for (const auto& [px, py] : {std::pair{50.0, 0.0}, {-90.0, 30.0}, {199.0, -400.0}}) {
            double directo = 0;
            // Across both lines in turn the well moves by 600 m and changes sign; across the
            // recharge line alone it is mirrored to -200 - x with the other sign.
            for (int k = -200; k <= 200; ++k) {
                const double signo = k % 2 == 0 ? 1.0 : -1.0;
                for (const auto& [xs, s] :
                     {std::pair{600.0 * k, signo}, {-200 - 600.0 * k, -signo}}) {
                    const double r = std::hypot(px - xs, py);
                    const double u = r * r * S / (4 * T * tiempo * 86400);
                    directo += s * Q / (4 * pi * T) * W_hantush(u, r / Bf);
                }
            }
            EXPECT_NEAR(abatimiento_punto(d, px, py), directo, 5e-5)
                << tiempo << " días en (" << px << ", " << py << ")";
        }
    }
}

// At long times the leaky aquifer reaches de Glee's steady state, s = Q / (2 pi T) K0(r / B):
// the curve levels off there, where Theis's would grow by Q ln(10) / (4 pi T) a decade.
TEST(CurvaSemiconfinada, LevelsOffAtDeGleesSteadyState) {
    const double Q = 0.05, T = 0.01, S = 2e-4;
    for (const double c : {0.5, 43.9}) {
        const double r = 80;
        const double B = std::sqrt(T * c * 86400);
        // The steady state comes some r S B / 4T seconds after the start: the curve runs from a
        // fifth of that to two thousand times it.
        const double llega = r * S * B / (4 * T) / 86400;
        const DatosCalculo d{{T, S, c}, 200 * llega, {pozo_en(0, 0, Q)}, {}};
        const CurvaTiempo curva = curva_tiempo(d, r, 0);
        const double de_glee = Q / (2 * pi * T) * boost::math::cyl_bessel_k(0, r / B);
        EXPECT_NEAR(curva.total.back(), de_glee, 1e-4) << c;
        EXPECT_NEAR(curva.total[curva.tiempos.bombeo], de_glee, 1e-4) << c;
        EXPECT_LT(curva.total.front(), 0.9 * de_glee) << c;
    }
}

// Once t > 75 S c no well's W has a row of the table where u >= v (it is 0 there): a vector of
// places some of which lie that far (an image, a padding lane) took the empty row's cell -1 and
// stopped the program. A field's curves run long past that time when the aquitard is thin. At
// their end, de Glee's steady state of the wells and, across a recharge line, their images.
TEST(CurvaSemiconfinada, RunsPastTheTablesBoundForEveryPlace) {
    const double T = 0.01, S = 2e-4, c = 50, Q = 0.01, px = 150, py = 50;
    const double B = std::sqrt(T * c * 86400);
    const auto k0 = [&](double x, double y) {
        return Q / (2 * pi * T) * boost::math::cyl_bessel_k(0, std::hypot(px - x, py - y) / B);
    };
    for (const bool recarga : {false, true}) {
        DatosCalculo d{{T, S, c}, 30, {}, {}};
        double de_glee = 0;
        for (int k = 0; k < 17; ++k) {
            const double x = 200 + 100 * (k % 6), y = 100 * (k / 6);
            d.pozos.push_back(pozo_en(x, y, Q));
            de_glee += k0(x, y) - (recarga ? k0(-x, y) : 0);
        }
        if (recarga) poner_limites(d, {{R, 0, -1000, 0, 1000}});
        EXPECT_NEAR(curva_tiempo(d, px, py).total.back(), de_glee, 1e-4) << recarga;
    }
}

}  // namespace
}  // namespace abat
