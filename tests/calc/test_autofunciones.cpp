// Strips, closed strips and rectangles at every time, images alone while they are few and the
// series of the aquifer's modes after: against the sum of the program's W over their images,
// carried until those left out add less than 1e-14 m, at places over the aquifer, on its sides and
// at the wells (their radius); a stopped well's recovery; no seam where the series takes over; and
// a drawdown beyond a double's range names its well.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "calc/abatimiento.h"
#include "calc/autofunciones.h"
#include "calc/campo_pozos.h"
#include "calc/funcion_pozo.h"
#include "calc/nucleo_simd.h"
#include "calc/pozos_virtuales.h"
#include "support/fixtures.h"

using namespace abat;
using namespace abat::prueba;

namespace {

constexpr TipoLimite R = TipoLimite::recarga;
constexpr TipoLimite B = TipoLimite::barrera;
constexpr double u_lejos = 40;  // beyond it an image adds less than 1e-19 of its well's k

// Along one axis of the frame, a well at `a` between lines at 0 and L of signs s0 and s1 (an open
// axis without them, a half-line with s0 alone): its images within `alcance` of `p`, each signed
// by the lines its reflections cross.
std::vector<std::pair<double, double>> imagenes_eje(double a, double L, double s0, double s1,
                                                    double p, double alcance) {
    if (s0 == 0) return {{a, 1.0}};
    if (s1 == 0) return {{a, 1.0}, {-a, s0}};
    std::vector<std::pair<double, double>> r;
    for (const double sentido : {1.0, -1.0}) {  // 2nL + a and 2nL - a
        const auto desde = static_cast<long>(std::ceil((p - alcance - sentido * a) / (2 * L)));
        const auto hasta = static_cast<long>(std::floor((p + alcance - sentido * a) / (2 * L)));
        for (long n = desde; n <= hasta; ++n) {
            const double s = std::labs(n) % 2 == 0 ? 1.0 : s0 * s1;
            r.push_back({2 * n * L + sentido * a, sentido > 0 ? s : s0 * s});
        }
    }
    return r;
}

struct Marco4 {
    double Lx, Ly;     // Ly 0: open across, or a half-line when its first line is there
    double signos[4];  // at xi = 0, xi = Lx, eta = 0, eta = Ly; 0 where there is none
};

// The sum of the program's W over the images of a well of rate q and radius `radio` at (a, b) of
// the frame, at (x, y) after `dias`, each image within its radius counted at its radius; in a
// leaky aquifer carried to 40 leakage factors, where 2 K0 is below 1e-17.
double suma_directa(const Marco4& m, double a, double b, double q, double radio, double x, double y,
                    const Acuifero& acuifero, double dias) {
    const FuncionPozo funcion(acuifero);
    const double c = acuifero.S / (acuifero.T * 4 * dias * 86400);
    double alcance = std::sqrt(u_lejos / c);
    if (funcion.semiconfinado()) alcance = std::fmin(alcance, 40 * funcion.B());
    std::vector<double> u, w, r, signo;
    long double suma = 0;
    const auto vaciar = [&] {
        w.resize(u.size());
        if (funcion.semiconfinado()) {
            for (size_t i = 0; i < u.size(); ++i) w[i] = funcion.W(u[i], r[i]);
        } else {
            funcion_pozo_vector(u.data(), w.data(), u.size());
        }
        for (size_t i = 0; i < u.size(); ++i) suma += signo[i] * w[i];
        u.clear(), r.clear(), signo.clear();
    };
    for (const auto& [px, sx] : imagenes_eje(a, m.Lx, m.signos[0], m.signos[1], x, alcance)) {
        const double dx2 = (x - px) * (x - px), resto = alcance * alcance - dx2;
        if (resto < 0) continue;
        const double s1 = m.Ly > 0 ? m.signos[3] : 0;
        for (const auto& [py, sy] : imagenes_eje(b, m.Ly, m.signos[2], s1, y, std::sqrt(resto))) {
            const double r2 = std::fmax(dx2 + (y - py) * (y - py), radio * radio);
            u.push_back(c * r2), r.push_back(std::sqrt(r2)), signo.push_back(sx * sy);
            if (u.size() == 4096) vaciar();
        }
    }
    vaciar();
    return static_cast<double>(suma) * q / (acuifero.T * cuatro_pi);
}

struct Caso {
    std::string nombre;
    Marco4 marco;
    double T, S, dias;
    std::vector<std::array<double, 3>> pozos;  // xi, eta, rate
    double parada = 0;                         // days: the wells stop then (0: never)
    double giro = 0.4;                         // the frame's angle to the x axis, rad
    std::optional<double> resistencia = {};    // days: a leaky aquifer's aquitard
};

void PrintTo(const Caso& c, std::ostream* os) {
    *os << c.nombre;
}

class SumaDirecta : public testing::TestWithParam<Caso> {};

// The cases' places: the wells and a spread over the frame, on its sides too.
TEST_P(SumaDirecta, SeriesAndImagesAsTheImagesSummedFarEnough) {
    const Caso& k = GetParam();
    const Marco4& m = k.marco;
    const double cg = std::cos(k.giro), sg = std::sin(k.giro), ox = -150, oy = -80;
    const auto x_de = [&](double xi, double eta) { return ox + xi * cg - eta * sg; };
    const auto y_de = [&](double xi, double eta) { return oy + xi * sg + eta * cg; };
    const double p[4][4] = {{0, 0, 0, 1}, {m.Lx, 0, m.Lx, 1}, {0, 0, 1, 0}, {0, m.Ly, 1, m.Ly}};
    std::vector<Limite> limites;
    for (size_t i = 0; i < 4; ++i) {
        if (m.signos[i] == 0) continue;
        const auto& [a, b, e, f] = p[i];
        limites.push_back(
            {m.signos[i] > 0 ? B : R, x_de(a, b), y_de(a, b), x_de(e, f), y_de(e, f)});
    }
    const Acuifero acuifero(k.T, k.S, k.resistencia);
    DatosCalculo d{acuifero, k.dias, {}, {}};
    for (const auto& [xi, eta, q] : k.pozos)
        d.pozos.push_back(pozo_en(x_de(xi, eta), y_de(xi, eta), q));
    poner_limites(d, limites);
    if (k.parada > 0) d.etapas.assign(d.pozos.size(), {{k.parada, leer_estricto("0")}});
    const double alto = m.Ly > 0 ? m.Ly : 700;
    std::vector<std::array<double, 2>> en_marco;
    for (const auto& [xi, eta, q] : k.pozos) en_marco.push_back({xi, eta});
    for (const auto& [fx, fy] : {std::pair{0.0, 0.37}, {0.8, 0.0}, {0.55, 0.5}, {1.0, 1.0}})
        en_marco.push_back({fx * m.Lx, fy * alto});
    std::vector<double> x, y, referencia;
    for (const auto& [xi, eta] : en_marco) {
        double s = 0;
        for (const auto& [a, b, q] : k.pozos) {
            s += suma_directa(m, a, b, q, 0.15, xi, eta, acuifero, k.dias);
            if (k.parada > 0)
                s -= suma_directa(m, a, b, q, 0.15, xi, eta, acuifero, k.dias - k.parada);
        }
        x.push_back(x_de(xi, eta)), y.push_back(y_de(xi, eta)), referencia.push_back(s);
    }
    const Totales t = CampoPozos(d).totales(d.tiempo, x, y);
    ASSERT_EQ(t.valores.size(), x.size());
    for (size_t i = 0; i < x.size(); ++i) {
        const double tol = tolerancia_imagenes + 1e-13 * std::fabs(referencia[i]);
        EXPECT_NEAR(abatimiento_punto(d, x[i], y[i]), referencia[i], tol) << i;
        EXPECT_NEAR(t.valores[i], referencia[i], tol) << i;
    }
}

// clang-format off
const Marco4 informe{250, 200, {1, -1, 1, -1}};  // barriers at x = -150 and y = -80, rivers at 100 and 120
const Marco4 franja_bb{250, 0, {1, 1, 0, 0}};
const std::vector<std::array<double, 3>> pozo_del_informe = {{150, 80, 0.05}};
const std::vector<std::array<double, 3>> tres_pozos = {{120, 120, 0.04}, {651, 40, 0.02}, {35, 300, -0.01}};
INSTANTIATE_TEST_SUITE_P(LargosYCortos, SumaDirecta, testing::Values(
    Caso{"rectangulo_del_informe_1_dia", informe, 0.01, 2e-4, 1, pozo_del_informe, 0, 0},
    Caso{"rectangulo_del_informe_100_dias", informe, 0.01, 2e-4, 100, pozo_del_informe, 0, 0},
    Caso{"rectangulo_del_informe_libre_1000_dias", informe, 0.01, 0.2, 1000, pozo_del_informe, 0, 0},
    Caso{"rectangulo_del_informe_libre_36500_dias", informe, 0.01, 0.2, 36500, pozo_del_informe, 0, 0},
    Caso{"rectangulo_del_informe_parado_a_500_dias", informe, 0.01, 0.2, 1000, pozo_del_informe, 500, 0},
    Caso{"franja_de_barreras_1_dia", franja_bb, 0.01, 2e-4, 1, pozo_del_informe},
    Caso{"franja_de_barreras_100_dias", franja_bb, 0.01, 2e-4, 100, pozo_del_informe},
    Caso{"franja_de_barreras_1000_dias", franja_bb, 0.01, 2e-4, 1000, pozo_del_informe},
    Caso{"franja_de_barreras_36500_dias", franja_bb, 0.01, 2e-4, 36500, pozo_del_informe},
    Caso{"franja_recarga_barrera_10_dias", {700, 0, {-1, 1, 0, 0}}, 0.01, 2e-4, 10, tres_pozos},
    Caso{"franja_de_recargas_30_dias", {700, 0, {-1, -1, 0, 0}}, 0.005, 1e-3, 30, tres_pozos},
    Caso{"franja_cerrada_por_recarga_100_dias", {700, 0, {1, 1, -1, 0}}, 0.02, 0.05, 100, tres_pozos},
    Caso{"franja_cerrada_de_barreras_36500_dias", {700, 0, {1, 1, 1, 0}}, 0.01, 2e-4, 36500, tres_pozos},
    Caso{"caja_de_barreras_medio_dia", {700, 500, {1, 1, 1, 1}}, 0.01, 2e-4, 0.5, tres_pozos},
    Caso{"caja_de_barreras_36500_dias", {700, 500, {1, 1, 1, 1}}, 0.01, 0.2, 36500, tres_pozos},
    Caso{"rectangulo_alterno_5_dias", {700, 500, {-1, 1, -1, 1}}, 0.01, 2e-3, 5, tres_pozos},
    Caso{"rectangulo_del_informe_semiconfinado_7300_dias", informe, 0.01, 2e-4, 7300, pozo_del_informe, 0, 0, 100.0},
    Caso{"rectangulo_semiconfinado_36500_dias", informe, 0.01, 2e-4, 36500, {{150, 80, 0.05}, {40, 170, -0.02}}, 0, 0.3, 1000.0},
    Caso{"franja_cerrada_semiconfinada_7300_dias", {700, 0, {1, 1, 1, 0}}, 0.01, 2e-4, 7300, tres_pozos, 0, 0.4, 300.0},
    Caso{"caja_de_barreras_semiconfinada_36500_dias", {700, 500, {1, 1, 1, 1}}, 0.01, 2e-4, 36500, tres_pozos, 0, 0.4, 1000.0},
    Caso{"franja_de_barreras_semiconfinada_36500_dias", franja_bb, 0.01, 2e-4, 36500, pozo_del_informe, 0, 0.4, 3000.0},
    Caso{"rectangulo_de_10_m", {10, 12, {1, -1, -1, 1}}, 0.01, 0.2, 5, {{3, 4, 0.01}}}),
    [](const auto& i) { return i.param.nombre; });
// clang-format on

// The images kept, continued by the series, or the images alone just before, confined or leaky
// (at the well too, within its radius): no jump, the drawdown grown by what two billionths of the
// time add (some 1e-9 m here).
TEST(Autofunciones, NoSeamWhereTheSeriesTakesOver) {
    for (const std::optional<double> resistencia : {std::optional<double>{}, {30.0}}) {
        for (const auto& lineas :
             std::vector<std::vector<Limite>>{{{B, -150, 0, -150, 1},
                                               {R, 100, 0, 100, 1},
                                               {B, 0, -80, 1, -80},
                                               {R, 0, 120, 1, 120}},
                                              {{B, -150, 0, -150, 1}, {B, 100, 0, 100, 1}}}) {
            DatosCalculo d{Acuifero(0.01, 2e-4, resistencia),
                           1,
                           {pozo_en(0, 0, 0.05), pozo_en(60, 90, -0.02)},
                           {}};
            poner_limites(d, lineas);
            const double corte = tiempo_de_corte(d.contorno, d.acuifero);
            for (const auto& [x, y] : {std::pair{50.0, 0.0}, {0.0, 0.0}, {-149.0, 119.0}}) {
                const double antes = abatimiento_punto(d, corte * (1 - 1e-9), x, y);
                const double despues = abatimiento_punto(d, corte * (1 + 1e-9), x, y);
                EXPECT_NEAR(antes, despues, 1e-8)
                    << resistencia.has_value() << " " << lineas.size() << " " << x << " " << y;
            }
        }
    }
}

// A closed box of barriers emptied for a million days by a well of absurd rate: the drawdown leaves
// a double's range, an overflow named by its well, blamed on its rate, at the place.
TEST(Autofunciones, AnOverflowNamesItsWell) {
    DatosCalculo d{{0.01, 2e-4}, 1e6, {pozo_en(0, 0, 0.05), pozo_en(50, 50, 1e303)}, {}};
    poner_limites(
        d, {{B, -150, 0, -150, 1}, {B, 100, 0, 100, 1}, {B, 0, -80, 1, -80}, {B, 0, 120, 1, 120}});
    try {
        abatimiento_punto(d, 10, 10);
        ADD_FAILURE() << "no overflow";
    } catch (const ErrorCalculo& e) {
        EXPECT_EQ(std::tuple(e.codigo(), e.pozo, e.causa),
                  std::tuple(CodigoError::desbordamiento, 2, Causa::pozo));
    }
    const Totales t =
        CampoPozos(d).totales(d.tiempo, std::vector<double>{10}, std::vector<double>{10});
    ASSERT_TRUE(t.error.has_value());
    EXPECT_EQ(std::tuple(t.error->pozo, t.error->nodo),
              std::tuple(2, std::optional(std::pair(10.0, 10.0))));
}

}  // namespace

// The map of a closed strip of barriers after ten years, its modes along the strip read from a
// few points: within its bounds of every node summed, and reading them did bound something.
TEST(Autofunciones, AStripsMapWithinItsBoundsOfEachNode) {
    DatosCalculo d{{0.01, 2e-4}, 3650, {}, {}};
    for (int k = 0; k < 6; ++k)
        d.pozos.push_back(pozo_en(40 + 37 * k, 500 - 61 * k, 0.01 * (k % 3 - 0.5)));
    poner_limites(d, {{B, 0, 0, 0, 1}, {B, 250, 0, 250, 1}, {R, 0, -30, 1, -30}});
    const CampoPozos campo(d);
    Rejilla mapa{-10, -40, 3.1, 7.3, 90, 100, {}};
    const Totales t = campo.totales_rejilla(d.tiempo, mapa);
    ASSERT_EQ(t.valores.size(), 9000U);
    double mayor = 0;
    for (size_t i = 0; i < t.valores.size(); i += 7) {
        const double x = mapa.x(static_cast<int>(i % 90)), y = mapa.y(static_cast<int>(i / 90));
        if (!d.contorno.contiene(x, y)) continue;
        EXPECT_NEAR(t.valores[i], abatimiento_punto(d, x, y), t.cotas[i]) << i;
        mayor = std::max(mayor, t.cotas[i]);
    }
    EXPECT_GT(mayor, 1e-12);
}
