// The aquifer's boundaries and the wells' pumping steps: which arrangements are admitted and what
// every refusal says; the images against the solutions they stand for (Thiem's image well, a
// barrier's mirror, a direct sum of images carried far beyond the truncation, the symmetry about
// every boundary), and a well stopped against Theis's recovery; the engine against the exact path
// with both.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <random>
#include <set>

#include "calc/abatimiento.h"
#include "calc/campo_pozos.h"
#include "calc/curva_tiempo.h"
#include "calc/etapas.h"
#include "calc/funcion_pozo.h"
#include "calc/limites.h"
#include "calc/mapa_abatimiento.h"
#include "calc/pozos_virtuales.h"
#include "calc/resultados.h"
#include "support/fixtures.h"

using namespace abat;
using namespace abat::prueba;

namespace {

constexpr double pi = std::numbers::pi;
constexpr TipoLimite R = TipoLimite::recarga;
constexpr TipoLimite B = TipoLimite::barrera;

Limite linea(TipoLimite t, double x1, double y1, double x2, double y2) {
    Limite l;
    l.tipo = t;
    l.x1 = x1;
    l.y1 = y1;
    l.x2 = x2;
    l.y2 = y2;
    return l;
}

// A line through the origin's point (x, y) at `grados` from the x axis.
Limite recta(TipoLimite t, double x, double y, double grados) {
    const double a = grados * pi / 180;
    return linea(t, x, y, x + 1000 * std::cos(a), y + 1000 * std::sin(a));
}

DatosCalculo datos(std::vector<Pozo> pozos, std::vector<Limite> limites, double tiempo = 1,
                   double T = 0.01, double S = 2e-4) {
    DatosCalculo d{T, S, tiempo, std::move(pozos), {}};
    d.limites = std::move(limites);
    return d;
}

// Theis's drawdown of one well alone, W as the program takes it.
double theis(double Q, double r, double T, double S, double dias) {
    return Q / (cuatro_pi * T) * funcion_pozo(r * r * S / (4 * T * dias * 86400));
}

}  // namespace

// Every arrangement the images solve, with the aquifer on the first well's side.
TEST(Limites, ArrangementsAdmitted) {
    const Pozo w = pozo_en(100, 50, 0.05);
    // clang-format off
    const std::vector<std::tuple<std::vector<Limite>, Disposicion, int>> casos = {
        {{linea(R, 0, 0, 0, 10)}, Disposicion::linea, 0},
        {{linea(R, 0, 0, 0, 10), linea(B, 300, 0, 300, 10)}, Disposicion::franja, 0},
        {{linea(R, 0, 0, 0, 10), linea(B, 0, 0, 10, 0)}, Disposicion::cuna, 2},
        {{recta(B, 0, 0, 0), recta(B, 0, 0, 60)}, Disposicion::cuna, 3},
        {{recta(R, 0, 0, 0), recta(B, 0, 0, 45)}, Disposicion::cuna, 4},
        {{recta(B, 0, 0, 10), recta(B, 0, 0, 46)}, Disposicion::cuna, 5},
        {{recta(R, 0, 0, 30), recta(B, 0, 0, 0)}, Disposicion::cuna, 6},
        {{linea(R, 0, 0, 0, 10), linea(B, 300, 0, 300, 10), linea(B, 5, -20, 50, -20)},
         Disposicion::franja_cerrada, 0},
        {{linea(R, 0, 0, 0, 10), linea(B, 0, -20, 50, -20), linea(B, 300, 0, 300, 10),
          linea(R, 0, 90, 1, 90)}, Disposicion::rectangulo, 0}};
    // clang-format on
    for (size_t c = 0; c < casos.size(); ++c) {
        const auto& [limites, disposicion, n] = casos[c];
        const Clasificacion r = clasificar_limites(limites, w);
        EXPECT_EQ(r.rechazo, "") << c;
        EXPECT_EQ(r.contorno.disposicion, disposicion) << c;
        if (n > 0) {
            EXPECT_EQ(r.contorno.cuna.n, n) << c;
        }
        EXPECT_TRUE(r.contorno.contiene(w.x, w.y)) << c;
    }
}

// Each refusal names the line, or the well or point and the line; nothing else is read.
TEST(Limites, EveryRefusalNamesWhatIsWrong) {
    const auto texto = [](const char* tipo, const char* x1, const char* y1, const char* x2,
                          const char* y2) {
        return LimiteTexto{tipo, x1, y1, x2, y2};
    };
    const std::vector<Pozo> pozos = {{"P1", 0.3, leer_estricto("0.05"), 100, 50},
                                     {"P2", 0.3, leer_estricto("0.05"), 200, 50},
                                     {"P3", 0.3, leer_estricto("0.05"), -10, 50}};
    const std::vector<Punto> puntos = {{"A", 150, 60}, {"B", 0, 70}};
    const auto v = [&](std::vector<LimiteTexto> l, std::vector<Pozo> p = {},
                       std::vector<Punto> q = {}) {
        return admitir_limites(
                   l, p.empty() ? std::vector<Pozo>(pozos.begin(), pozos.begin() + 2) : p, q)
            .rechazo;
    };
    const LimiteTexto rio = texto("Recarga", "0", "0", "0", "10");
    const LimiteTexto falla = texto("Barrera", "0", "0", "10", "0");
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> casos = {
        {v({rio, texto("Barrera", "1", "abc", "2", "3")}),
         "En la línea 2, «abc» no es un valor numérico para y1[m]."},
        {v({texto("Barrera", "1e400", "0", "2", "3")}),
         "En la línea 1, «1e400» no es un número que se pueda calcular para x1[m]."},
        {v({texto("Río", "0", "0", "1", "1")}),
         "La línea 1 no es de recarga ni barrera: su tipo es «Río»."},
        {v({rio, texto("Barrera", "5", "5", "5", "5")}),
         "La línea 2 no tiene longitud: sus dos puntos coinciden."},
        {v({rio, falla, texto("Barrera", "300", "0", "300", "1"), texto("Recarga", "0", "90", "1", "90"),
            texto("Recarga", "0", "95", "1", "95")}),
         "Se admiten a lo sumo cuatro líneas: la línea 5 sobra."},
        {v({rio, texto("Barrera", "0", "5", "0", "80")}), "La línea 2 coincide con la línea 1."},
        {v({rio, texto("Barrera", "-50", "0", "-50", "1")}),
         "La línea 2 queda fuera del acuífero, tras la línea 1: dos líneas paralelas han de tener "
         "entre ellas el acuífero, con el pozo 1 «P1»."},
        {v({rio, texto("Barrera", "0", "0", "10", "1.7632698")}),
         "Las líneas 1 y 2 encierran el acuífero en un ángulo de 80.00°: dos líneas que se cortan "
         "han de formar 90°, 60°, 45°, 36° o 30° (180°/n)."},
        {v({rio, texto("Barrera", "0", "0", "10", "-5.7735027")}),
         "Las líneas 1 y 2 encierran el acuífero en un ángulo de 120.00°: dos líneas que se cortan "
         "han de formar 90°, 60°, 45°, 36° o 30° (180°/n)."},
        {v({texto("Recarga", "0", "0", "10", "0"), texto("Barrera", "0", "0", "5", "8.6602540378")}),
         "Las líneas 1 y 2 forman una cuña de 60.00°: una de recarga y otra de barrera solo se "
         "resuelven en cuñas de 90°, 45° o 30°."},
        {v({rio, falla, texto("Barrera", "0", "0", "10", "10")}),
         "Ninguna de las líneas 1, 2 y 3 es paralela a otra: con tres líneas, dos han de ser "
         "paralelas y la tercera perpendicular a ellas."},
        {v({rio, texto("Barrera", "300", "0", "300", "1"), texto("Barrera", "350", "0", "350", "1")}),
         "Las líneas 1, 2 y 3 son paralelas: con tres líneas, dos han de ser paralelas y la "
         "tercera perpendicular a ellas."},
        {v({rio, texto("Barrera", "300", "0", "300", "1"), texto("Barrera", "0", "0", "10", "1")}),
         "La línea 3 no es perpendicular a las líneas 1 y 2: con tres líneas, dos han de ser "
         "paralelas y la tercera perpendicular a ellas."},
        {v({rio, falla, texto("Barrera", "0", "90", "1", "90"), texto("Barrera", "0", "0", "1", "1")}),
         "La línea 1 no es paralela a ninguna otra: cuatro líneas han de formar un rectángulo, dos "
         "pares de paralelas perpendiculares entre sí."},
        {v({rio, texto("Barrera", "300", "0", "300", "1"), texto("Barrera", "350", "0", "350", "1"),
            falla}),
         "La línea 1 es paralela a más de una: cuatro líneas han de formar un rectángulo, dos pares "
         "de paralelas perpendiculares entre sí."},
        {v({rio, texto("Barrera", "300", "0", "300", "1"), falla,
            texto("Barrera", "0", "90", "100", "91")}),
         "La línea 4 no es perpendicular a la línea 1: cuatro líneas han de formar un rectángulo, "
         "dos pares de paralelas perpendiculares entre sí."},
        {v({texto("Recarga", "100", "0", "100", "10")}),
         "El pozo 1 «P1» está sobre la línea 1: el acuífero queda del lado de cada línea donde está "
         "el pozo 1."},
        {v({rio}, pozos),
         "El pozo 3 «P3» está al otro lado de la línea 1 (recarga), fuera del acuífero: el acuífero "
         "queda del lado de cada línea donde está el pozo 1."},
        {v({texto("Barrera", "200", "0", "200", "10")}),
         "El pozo 2 «P2» está sobre la línea 1 (barrera), fuera del acuífero: el acuífero queda del "
         "lado de cada línea donde está el pozo 1."},
        {v({rio, falla}, {}, puntos),
         "El punto 2 «B» está sobre la línea 1 (recarga), fuera del acuífero: el acuífero queda "
         "del lado de cada línea donde está el pozo 1."},
        {v({texto("Barrera", "140", "0", "140", "10")}, {pozos[0]}, puntos),
         "El punto 1 «A» está al otro lado de la línea 1 (barrera), fuera del acuífero: el "
         "acuífero queda del lado de cada línea donde está el pozo 1."},
        {v({rio, falla}), ""},
        {v({}), ""}};
    // clang-format on
    for (size_t c = 0; c < casos.size(); ++c) EXPECT_EQ(casos[c].first, casos[c].second) << c;
    EXPECT_THROW(contorno_de(datos({pozos[0]}, {linea(R, 0, 0, 0, 0)})), std::invalid_argument);
}

TEST(Etapas, EveryRefusalNamesTheWellAndTheStep) {
    const std::vector<Pozo> pozos = {pozo_en(0, 0, 0.05), {"P2", 0.3, leer_estricto("1"), 5, 5}};
    const auto rechazo = [&](std::vector<EtapaTexto> e) {
        return admitir_etapas({{}, std::move(e)}, pozos).rechazo;
    };
    // clang-format off
    const std::vector<std::pair<std::vector<EtapaTexto>, std::string>> casos = {
        {{{"10", "0"}, {"abc", "1"}},
         "El pozo 2 «P2»: la etapa 3 empieza a «abc» días, que no es un valor numérico."},
        {{{"0", "0"}}, "El pozo 2 «P2»: la etapa 2 empieza a los 0 días, no después de la etapa 1 "
                       "(a los 0 días)."},
        {{{"10", "0"}, {"10", "1"}}, "El pozo 2 «P2»: la etapa 3 empieza a los 10 días, no después "
                                     "de la etapa 2 (a los 10 días)."},
        {{{"10", "0"}, {"5", "1"}}, "El pozo 2 «P2»: la etapa 3 empieza a los 5 días, no después de "
                                    "la etapa 2 (a los 10 días)."},
        {{{"10", ""}}, "El pozo 2 «P2»: el caudal de la etapa 2, «», no es un valor numérico."},
        {{{"10", "1e999"}}, "El pozo 2 «P2»: el caudal de la etapa 2, «1e999», no es un número que "
                            "se pueda calcular."},
        {{{"1e999", "1"}}, "El pozo 2 «P2»: la etapa 2 empieza a «1e999» días, que no es un número "
                           "que se pueda calcular."},
        {{{"10", "0"}, {"20.5", "-0.01"}}, ""}};
    // clang-format on
    for (size_t c = 0; c < casos.size(); ++c)
        EXPECT_EQ(rechazo(casos[c].first), casos[c].second) << c;
    const LecturaEtapas l = admitir_etapas({{}, {{"10", "0"}, {"20.5", "-0.01"}}, {}}, pozos);
    ASSERT_EQ(l.etapas.size(), 2U);  // the last well's none is dropped
    EXPECT_EQ(l.etapas[1],
              (std::vector<Etapa>{{10, leer_estricto("0")}, {20.5, leer_estricto("-0.01")}}));
}

// At long times the drawdown beside a river stops growing: Thiem's solution with the image well,
// s = Q / (2 pi T) ln(ri / r), at places all over the aquifer, from both paths.
TEST(Imagenes, RechargeLineAtLongTimesIsThiemsImageSolution) {
    const double Q = 0.05;
    const double T = 0.01;
    const DatosCalculo d = datos({pozo_en(150, 40, Q)}, {linea(R, 0, -100, 0, 300)}, 1e5, T);
    std::vector<double> x;
    std::vector<double> y;
    for (double px : {1.0, 20.0, 149.0, 151.0, 300.0, 900.0})
        for (double py : {-500.0, 0.0, 40.0, 41.0, 700.0}) x.push_back(px), y.push_back(py);
    const Totales t = CampoPozos(d).totales(d.tiempo, x, y);
    ASSERT_EQ(t.valores.size(), x.size());
    for (size_t i = 0; i < x.size(); ++i) {
        const double r = std::hypot(x[i] - 150, y[i] - 40);
        const double ri = std::hypot(x[i] + 150, y[i] - 40);
        const double thiem = Q / (2 * pi * T) * std::log(ri / r);
        EXPECT_NEAR(abatimiento_punto(d, x[i], y[i]), thiem, 2e-5 * thiem + 1e-9) << i;
        EXPECT_NEAR(t.valores[i], thiem, 2e-5 * thiem + 1e-9) << i;
    }
}

// On a barrier the image is as far as the well: the drawdown there is twice the well's alone; on a
// recharge line it is 0.
TEST(Imagenes, BarrierDoublesTheDrawdownOnTheLine) {
    for (const double grados : {90.0, 0.0, 37.0}) {
        for (const TipoLimite tipo : {B, R}) {
            const Limite l = recta(tipo, 10, 20, grados);
            const Pozo w =
                pozo_en(10 - 80 * std::sin(grados * pi / 180) + 5 * std::cos(grados * pi / 180),
                        20 + 80 * std::cos(grados * pi / 180), 0.05);
            const DatosCalculo d = datos({w}, {l}, 3);
            const DatosCalculo solo = datos({w}, {}, 3);
            std::vector<double> x;
            std::vector<double> y;
            for (const double s : {-400.0, -3.0, 0.0, 55.5, 1200.0}) {
                x.push_back(l.x1 + s * std::cos(grados * pi / 180));
                y.push_back(l.y1 + s * std::sin(grados * pi / 180));
            }
            const Totales t = CampoPozos(d).totales(d.tiempo, x, y);
            for (size_t i = 0; i < x.size(); ++i) {
                const double uno = abatimiento_punto(solo, x[i], y[i]);
                const double esperado = tipo == B ? 2 * uno : 0.0;
                EXPECT_NEAR(abatimiento_punto(d, x[i], y[i]), esperado, 1e-12 * uno) << grados;
                EXPECT_NEAR(t.valores[i], esperado, 1e-11 * uno) << grados;
            }
        }
    }
}

namespace {

// The images of a well at `a` along an axis with boundaries at 0 (sign s0) and at L (sign s1; 0:
// no line there), found by reflecting the well and its images across the lines again and again,
// `veces` times: a direct construction, the positions told apart to the micrometre.
std::map<long long, std::pair<double, double>> reflejadas(double a, double L, double s0, double s1,
                                                          int veces) {
    std::map<long long, std::pair<double, double>> todas = {{std::llround(a * 1e6), {a, 1.0}}};
    std::vector<std::pair<double, double>> nuevas = {{a, 1.0}};
    for (int v = 0; v < veces; ++v) {
        std::vector<std::pair<double, double>> siguientes;
        for (const auto& [x, s] : nuevas) {
            std::vector<std::pair<double, double>> hijas = {{-x, s * s0}};
            if (s1 != 0) hijas.push_back({2 * L - x, s * s1});
            for (const auto& h : hijas) {
                if (todas.emplace(std::llround(h.first * 1e6), h).second) siguientes.push_back(h);
            }
        }
        nuevas = std::move(siguientes);
    }
    return todas;
}

struct Marco2 {  // the aquifer 0 <= xi <= Lx (and 0 <= eta <= Ly), turned by `giro` about (ox, oy)
    double ox, oy, giro;
    std::pair<double, double> en(double xi, double eta) const {
        return {ox + xi * std::cos(giro) - eta * std::sin(giro),
                oy + xi * std::sin(giro) + eta * std::cos(giro)};
    }
};

}  // namespace

// A strip, a strip closed at one end and a rectangle, turned and shifted, of every kind of side;
// their series against the sum of images carried by reflection some 4 times further than the
// program's truncation, at places all over the aquifer and on its sides: within the bound, which
// the program's own sum also states. A bound 1000 times looser leaves out more than 5e-5 m.
TEST(Imagenes, StripsAndRectanglesAsADirectSumOfImages) {
    struct Caso {
        Disposicion disposicion;
        double Lx, Ly;
        std::array<TipoLimite, 4> tipos;  // at xi = 0, xi = Lx, eta = 0, eta = Ly
        double T, S, tiempo;
    };
    // clang-format off
    const std::vector<Caso> casos = {
        {Disposicion::franja, 400, 0, {B, B, B, B}, 0.01, 2e-4, 2},
        {Disposicion::franja, 400, 0, {R, B, B, B}, 0.01, 2e-4, 10},
        {Disposicion::franja, 1000, 0, {R, R, B, B}, 0.005, 1e-3, 30},
        {Disposicion::franja_cerrada, 600, 0, {B, R, B, B}, 0.01, 2e-4, 3},
        {Disposicion::franja_cerrada, 600, 0, {B, B, R, B}, 0.02, 0.05, 100},
        {Disposicion::rectangulo, 700, 500, {B, B, B, B}, 0.01, 2e-4, 0.5},
        {Disposicion::rectangulo, 700, 500, {R, B, R, B}, 0.01, 2e-3, 5},
        {Disposicion::rectangulo, 1500, 900, {R, R, R, R}, 0.01, 2e-4, 20}};
    // clang-format on
    const auto signo = [](TipoLimite t) { return t == B ? 1.0 : -1.0; };
    bool suelto_se_nota = false;
    for (size_t c = 0; c < casos.size(); ++c) {
        const Caso& k = casos[c];
        const Marco2 m{350, -120, 0.3 + 0.4 * static_cast<double>(c)};
        const bool con_eta0 = k.disposicion != Disposicion::franja;
        const bool con_eta1 = k.disposicion == Disposicion::rectangulo;
        const auto lado = [&](TipoLimite t, double xi0, double eta0, double xi1, double eta1) {
            const auto [x1, y1] = m.en(xi0, eta0);
            const auto [x2, y2] = m.en(xi1, eta1);
            return linea(t, x1, y1, x2, y2);
        };
        std::vector<Limite> limites = {lado(k.tipos[0], 0, 0, 0, 100),
                                       lado(k.tipos[1], k.Lx, 0, k.Lx, 100)};
        if (con_eta0) limites.push_back(lado(k.tipos[2], 0, 0, 100, 0));
        if (con_eta1) limites.push_back(lado(k.tipos[3], 0, k.Ly, 100, k.Ly));
        std::vector<Pozo> pozos;
        const std::vector<std::array<double, 3>> en_marco = {
            {0.3 * k.Lx, 120, 0.04}, {0.93 * k.Lx, 40, 0.02}, {0.05 * k.Lx, 300, -0.01}};
        for (const auto& [xi, eta, q] : en_marco) {
            const auto [x, y] = m.en(xi, con_eta1 ? std::fmod(eta, k.Ly) : eta);
            pozos.push_back(pozo_en(x, y, q));
        }
        const DatosCalculo d = datos(pozos, limites, k.tiempo, k.T, k.S);
        const Virtuales v = pozos_virtuales(d, k.tiempo);
        EXPECT_LE(v.omitido, tolerancia_imagenes) << c;
        // The sum carried by reflection to where an image adds less than 1e-26 of its well's
        // rate: u = 60, some three times as far as the program's truncation.
        const double c_u = k.S / (4 * k.T * k.tiempo * 86400);
        const double alcance = std::sqrt(60 / c_u);
        const int veces =
            2 * static_cast<int>(alcance / std::fmin(k.Lx, con_eta1 ? k.Ly : k.Lx)) + 8;
        const auto reflejos = [&](double a, double L, TipoLimite t0, TipoLimite t1, bool hay0,
                                  bool hay1) {
            if (!hay0) return std::map<long long, std::pair<double, double>>{{0, {a, 1.0}}};
            return reflejadas(a, L, signo(t0), hay1 ? signo(t1) : 0, veces);
        };
        const auto directa = [&](double xi, double eta) {
            double s = 0;
            for (size_t w = 0; w < en_marco.size(); ++w) {
                const double a = en_marco[w][0];
                const double b = con_eta1 ? std::fmod(en_marco[w][1], k.Ly) : en_marco[w][1];
                const auto xs = reflejos(a, k.Lx, k.tipos[0], k.tipos[1], true, true);
                const auto ys = reflejos(b, k.Ly, k.tipos[2], k.tipos[3], con_eta0, con_eta1);
                for (const auto& [kx, px] : xs) {
                    for (const auto& [ky, py] : ys) {
                        const double r = std::hypot(xi - px.first, eta - py.first);
                        if (r > alcance) continue;
                        s += px.second * py.second *
                             theis(en_marco[w][2], std::fmax(r, 0.15), k.T, k.S, k.tiempo);
                    }
                }
            }
            return s;
        };
        const double alto = con_eta1 ? k.Ly : 800;
        std::vector<double> x;
        std::vector<double> y;
        std::vector<double> referencia;
        for (double fx : {0.0, 0.01, 0.31, 0.5, 0.93, 1.0}) {
            for (double fy : {0.0, 0.02, 0.24, 0.6, 1.0}) {
                const auto [px, py] = m.en(fx * k.Lx, fy * alto);
                x.push_back(px);
                y.push_back(py);
                referencia.push_back(directa(fx * k.Lx, fy * alto));
            }
        }
        const Totales t = CampoPozos(d).totales(d.tiempo, x, y);
        ASSERT_EQ(t.valores.size(), x.size()) << c;
        double peor_suelto = 0;
        const Virtuales suelto = pozos_virtuales(d, k.tiempo, 1000 * tolerancia_imagenes);
        for (size_t i = 0; i < x.size(); ++i) {
            EXPECT_NEAR(t.valores[i], referencia[i], tolerancia_imagenes + 1e-9) << c << " " << i;
            EXPECT_NEAR(abatimiento_punto(d, x[i], y[i]), referencia[i], tolerancia_imagenes + 1e-9)
                << c << " " << i;
            peor_suelto =
                std::fmax(peor_suelto,
                          std::fabs(abatimiento_virtuales(d, k.tiempo, suelto.pozos, x[i], y[i]) -
                                    referencia[i]));
        }
        suelto_se_nota = suelto_se_nota || peor_suelto > tolerancia_imagenes;
    }
    EXPECT_TRUE(suelto_se_nota);
}

// The images of every arrangement mirror the field across each of its lines: at places on either
// side of a line, at the same distance, the drawdown is the same across a barrier and its opposite
// across a recharge line; to rounding for one line and the wedges, within the bound on either side
// (a little more a few metres out of the aquifer) for the series. The exact path computes beyond
// the aquifer too.
TEST(Imagenes, EveryArrangementMirrorsTheFieldAcrossEachLine) {
    // clang-format off
    const std::vector<std::vector<Limite>> casos = {
        {recta(R, 0, 0, 20)}, {recta(B, 0, 0, 20)},
        {recta(R, 0, 0, 0), recta(R, 0, 0, 90)}, {recta(R, 0, 0, 0), recta(B, 0, 0, 90)},
        {recta(B, 0, 0, 10), recta(B, 0, 0, 70)}, {recta(R, 0, 0, 10), recta(R, 0, 0, 70)},
        {recta(R, 0, 0, 0), recta(B, 0, 0, 45)}, {recta(B, 0, 0, 5), recta(B, 0, 0, 41)},
        {recta(B, 0, 0, 0), recta(R, 0, 0, 30)},
        {recta(B, -50, 0, 90), recta(R, 700, 0, 90)},
        {recta(R, -50, 0, 90), recta(R, 700, 0, 90), recta(B, 0, -10, 0)},
        {recta(B, -50, 0, 90), recta(R, 700, 0, 90), recta(B, 0, -10, 0), recta(R, 0, 900, 0)}};
    // clang-format on
    std::mt19937_64 g(5);
    for (size_t c = 0; c < casos.size(); ++c) {
        const bool serie = casos[c].size() >= 2 && std::fabs(casos[c][0].x1 - casos[c][1].x1) > 1;
        // Wells inside: near the apex, along the bisector, for the wedges; in the middle otherwise.
        std::vector<Pozo> pozos;
        for (double f : {0.4, 0.7}) {
            if (serie || casos[c].size() == 1) {
                pozos.push_back(pozo_en(300 * f, 200 * f + 50, 0.05 * f));
            } else {
                const double a1 = std::atan2(casos[c][0].y2, casos[c][0].x2);
                const double a2 = std::atan2(casos[c][1].y2, casos[c][1].x2);
                const double b = (a1 + a2) / 2 + (f - 0.5) * 0.1 * std::fabs(a2 - a1);
                pozos.push_back(pozo_en(250 * f * std::cos(b), 250 * f * std::sin(b), 0.05 * f));
            }
        }
        const DatosCalculo d = datos(pozos, casos[c], 4, 0.01, 2e-3);
        const Contorno contorno = contorno_de(d);
        ASSERT_FALSE(contorno.lados.empty()) << c;
        const double escala = std::fabs(abatimiento_punto(d, pozos[0].x + 1, pozos[0].y));
        for (const Lado& l : contorno.lados) {
            std::uniform_real_distribution<double> a_lo_largo(5, 650);
            for (int i = 0; i < 6; ++i) {
                // Along the line, beside the aquifer: the series' bound holds in the aquifer.
                const double s = a_lo_largo(g);
                const double qx = l.px + s * l.dx;
                const double qy = l.py + s * l.dy;
                for (const double h : {0.5, 17.0}) {
                    const double dentro = abatimiento_punto(d, qx + h * l.nx, qy + h * l.ny);
                    const double fuera = abatimiento_punto(d, qx - h * l.nx, qy - h * l.ny);
                    const double espejo = l.tipo == B ? fuera : -fuera;
                    EXPECT_NEAR(dentro, espejo, serie ? 3 * tolerancia_imagenes : 1e-10 * escala)
                        << c << " line " << l.linea << " at " << s << ", " << h;
                }
            }
        }
    }
}

// A well stopped at t1: from then on the drawdown recovers as Theis's recovery gives it,
// Q / (4 pi T) (W(u(t)) - W(u(t - t1))); before, Theis's alone. And a schedule of three steps as
// three wells superposed, one injecting. The curve of the results follows them.
TEST(Etapas, AWellStoppedRecoversAsTheisRecovery) {
    const double Q = 0.05;
    const double T = 0.01;
    const double S = 2e-4;
    DatosCalculo d = datos({pozo_en(0, 0, Q), pozo_en(500, 0, 0.02)}, {}, 20, T, S);
    d.etapas = {{{10, leer_estricto("0")}}};
    for (const double t : {1.0, 9.99, 10.0, 10.01, 11.0, 20.0, 300.0}) {
        for (const double r : {30.0, 100.0, 450.0}) {
            const double recuperacion =
                theis(Q, r, T, S, t) - (t > 10 ? theis(Q, r, T, S, t - 10) : 0.0);
            const double otro = theis(0.02, std::hypot(r - 500, 0), T, S, t);
            EXPECT_NEAR(abatimiento_pozo(d, t, size_t{0}, r, 0), recuperacion, 1e-12)
                << t << " " << r;
            EXPECT_NEAR(abatimiento_punto(d, t, r, 0), recuperacion + otro, 1e-12) << t << " " << r;
            const Totales tt =
                CampoPozos(d).totales(t, std::vector<double>{r}, std::vector<double>{0});
            EXPECT_NEAR(tt.valores[0], recuperacion + otro, 1e-11) << t << " " << r;
        }
    }
    // Three steps: 0.05 from 0, 0.02 from 5, -0.01 (injecting) from 12.
    DatosCalculo tres = datos({pozo_en(0, 0, 0.05)}, {}, 30, T, S);
    tres.etapas = {{{5, leer_estricto("0.02")}, {12, leer_estricto("-0.01")}}};
    for (const double t : {3.0, 7.0, 30.0}) {
        const double esperado = theis(0.05, 80, T, S, t) +
                                (t > 5 ? theis(0.02 - 0.05, 80, T, S, t - 5) : 0) +
                                (t > 12 ? theis(-0.01 - 0.02, 80, T, S, t - 12) : 0);
        EXPECT_NEAR(abatimiento_punto(tres, t, 80, 0), esperado, 1e-12) << t;
    }
    // The curve at 100 m shows the stop: up to day 10, then down, each share to 4 decimals.
    const CurvaTiempo c = curva_tiempo(d, 100, 0);
    double mayor = 0;
    size_t en = 0;
    for (size_t i = 0; i < c.total.size(); ++i) {
        const double t = c.tiempos.dias[i];
        EXPECT_EQ(c.partes[0][i],
                  valor_4dec(theis(Q, 100, T, S, t) - (t > 10 ? theis(Q, 100, T, S, t - 10) : 0.0)))
            << t;
        if (c.partes[0][i] > mayor) mayor = c.partes[0][i], en = i;
    }
    EXPECT_NEAR(c.tiempos.dias[en], 10, 0.5);
    EXPECT_LT(c.partes[0].back(), 0.05 * mayor);
}

// With steps and boundaries the engine stays within its bound of the exact path; each well's
// share in the results table adds its steps and images, to the exact path's four decimals; an
// error names the well the image stands for.
TEST(CampoPozosConLimites, EngineAsTheExactPathWithStepsAndImages) {
    // clang-format off
    const std::vector<std::vector<Limite>> casos = {
        {linea(R, -10, 0, -10, 1)},
        {linea(B, -10, 0, -10, 1), linea(R, 0, -30, 1, -30)},
        {linea(R, -10, 0, -10, 1), linea(B, 2100, 0, 2100, 1), linea(B, 0, -30, 1, -30),
         linea(R, 0, 2050, 1, 2050)}};
    // clang-format on
    for (size_t c = 0; c < casos.size(); ++c) {
        DatosCalculo d = campo_aleatorio(static_cast<unsigned>(c) + 1, 40, 2000, 0.01, 2e-3, 7);
        d.limites = casos[c];
        for (size_t k = 0; k < d.pozos.size(); k += 3) {
            d.etapas.resize(k + 1);
            d.etapas[k] = {{2, leer_estricto("0")}, {4.5, leer_estricto("0.03")}};
        }
        for (int j = 0; j < 12; ++j) d.puntos.push_back({"A", 170.0 * j + 3, 1900 - 150.0 * j});
        const CampoPozos campo(d);
        std::vector<double> x;
        std::vector<double> y;
        for (const Punto& p : d.puntos) x.push_back(p.x), y.push_back(p.y);
        for (const Pozo& p : d.pozos) x.push_back(p.x), y.push_back(p.y);
        const Totales t = campo.totales(d.tiempo, x, y);
        ASSERT_EQ(t.valores.size(), x.size());
        // The loops computed them, each step and image at its own scale: the exact path only
        // where the engine cannot vouch (cota 0), at no more than a few places on the wells.
        const auto por_el_motor =
            std::count_if(t.cotas.begin(), t.cotas.end(), [](double c) { return c > 0; });
        EXPECT_GE(por_el_motor, static_cast<long>(x.size()) - 2) << c;
        const Partes partes = campo.partes(d.tiempo, d.puntos[0].x, d.puntos[0].y);
        EXPECT_EQ(std::count_if(partes.valores.begin(), partes.valores.end(),
                                [](double v) { return std::isnan(v); }),
                  0)
            << c;
        for (size_t i = 0; i < x.size(); ++i) {
            const double exacto = abatimiento_punto(d, x[i], y[i]);
            EXPECT_LE(std::fabs(t.valores[i] - exacto), t.cotas[i]) << c << " " << i;
            EXPECT_LT(t.cotas[i], 1e-7 * std::fabs(exacto) + 1e-12) << c << " " << i;
        }
        Grid tabla(2, 0, 1, 0);
        const Resultados r = calcular_resultados(d, tabla);
        for (size_t j = 0; j < d.puntos.size(); ++j) {
            for (size_t k = 0; k < d.pozos.size(); ++k) {
                EXPECT_EQ(r.parte(j, k), valor_4dec(abatimiento_pozo(d, d.tiempo, k, d.puntos[j].x,
                                                                     d.puntos[j].y)))
                    << c << " " << j << " " << k;
            }
        }
        EXPECT_EQ(tabla.Cols(), static_cast<int>(d.pozos.size()) + 3);  // a column a well
        d.pozos[7].caudal = leer_estricto("x");
        try {
            abatimiento_punto(d, 5, 5);
            ADD_FAILURE() << c;
        } catch (const ErrorCalculo& e) {
            EXPECT_EQ(e.pozo, 8);
            const Totales f = CampoPozos(d).totales(d.tiempo, x, y);
            ASSERT_TRUE(f.error.has_value());
            EXPECT_EQ(std::pair(f.error->numero(), f.error->pozo), std::pair(e.numero(), 8));
        }
    }
}

// Beyond the boundaries there is no aquifer: the map has no value there, and is the exact path's
// inside.
TEST(CampoPozosConLimites, TheMapHasNoValueBeyondTheBoundaries) {
    const DatosCalculo d =
        datos({pozo_en(100, 100, 0.05)}, {linea(R, 0, 0, 0, 1), linea(B, 0, 0, 1, 0)}, 2);
    const CampoPozos campo(d);
    Rejilla mapa{-95, -95, 10, 10, 40, 40, {}};
    abatimiento_rejilla(campo, 2, mapa);
    for (int j = 0; j < mapa.ny; ++j) {
        for (int i = 0; i < mapa.nx; ++i) {
            if (mapa.x(i) < 0 || mapa.y(j) < 0) {
                EXPECT_TRUE(std::isnan(mapa.valor(i, j))) << i << " " << j;
            } else {
                EXPECT_NEAR(mapa.valor(i, j), abatimiento_punto(d, 2, mapa.x(i), mapa.y(j)), 1e-11);
            }
        }
    }
}

// A time that would need more images than the program holds is an overflow of the time, not a
// wait without end.
TEST(CampoPozosConLimites, TooManyImagesIsAnOverflowOfTheTime) {
    DatosCalculo d =
        datos({pozo_en(5, 5, 0.05)}, {linea(B, 0, 0, 0, 1), linea(B, 10, 0, 10, 1)}, 1e7, 1, 1e-6);
    try {
        pozos_virtuales(d, d.tiempo);
        ADD_FAILURE();
    } catch (const ErrorCalculo& e) {
        EXPECT_EQ(std::pair(e.codigo(), e.causa),
                  std::pair(CodigoError::desbordamiento, Causa::tiempo));
    }
    const Totales t =
        CampoPozos(d).totales(d.tiempo, std::vector<double>{5}, std::vector<double>{1});
    ASSERT_TRUE(t.error.has_value());
    EXPECT_TRUE(t.valores.empty());
}
