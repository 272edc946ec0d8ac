// The aquifer's boundaries and the wells' pumping steps: which arrangements are admitted and what
// every refusal says; the images against the solutions they stand for (Thiem's image well, a
// barrier's mirror, the wedges' symmetry about each side), and a well stopped against Theis's
// recovery; the engine against the exact path with both. The strips and rectangles against their
// images summed directly are in test_autofunciones.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "calc/abatimiento.h"
#include "calc/campo_pozos.h"
#include "calc/curva_tiempo.h"
#include "calc/etapas.h"
#include "calc/funcion_pozo.h"
#include "calc/limites.h"
#include "calc/mapa_abatimiento.h"
#include "calc/pozos_virtuales.h"
#include "support/casos.h"
#include "support/fixtures.h"

using namespace abat;
using namespace abat::prueba;

namespace {

constexpr double pi = std::numbers::pi;
constexpr TipoLimite R = TipoLimite::recarga;
constexpr TipoLimite B = TipoLimite::barrera;

// A line through (x, y) at `grados` from the x axis.
Limite recta(TipoLimite t, double x, double y, double grados) {
    const double a = grados * pi / 180;
    return {t, x, y, x + 1000 * std::cos(a), y + 1000 * std::sin(a)};
}

DatosCalculo datos(std::vector<Pozo> pozos, std::vector<Limite> limites, double tiempo = 1,
                   double T = 0.01, double S = 2e-4) {
    DatosCalculo d{{T, S}, tiempo, std::move(pozos), {}};
    poner_limites(d, limites);
    return d;
}

// Theis's drawdown of one well alone, W as the program takes it.
double theis(double Q, double r, double T, double S, double dias) {
    return Q / (cuatro_pi * T) * funcion_pozo(r * r * S / (4 * T * dias * 86400));
}

// The exact path and the engine at the places (x, y) against `referencia`.
void por_ambos_caminos(const DatosCalculo& d, const std::vector<double>& x,
                       const std::vector<double>& y, const std::vector<double>& referencia,
                       double relativa, double absoluta, size_t caso = 0) {
    const Totales t = CampoPozos(d).totales(d.tiempo, x, y);
    ASSERT_EQ(t.valores.size(), x.size()) << caso;
    for (size_t i = 0; i < x.size(); ++i) {
        const double tol = relativa * std::fabs(referencia[i]) + absoluta;
        EXPECT_NEAR(abatimiento_punto(d, x[i], y[i]), referencia[i], tol) << caso << " " << i;
        EXPECT_NEAR(t.valores[i], referencia[i], tol) << caso << " " << i;
    }
}

const Pozo p1{"P1", 0.3, leer_estricto("0.05"), 100, 50}, p2{"P2", 0.3, p1.caudal, 200, 50};
// Lines that bound the aquifer, the refusal, and the wells (P1 and P2 when none) and points.
using Lineas = Tabla<std::vector<LimiteTexto>, std::string, std::vector<Pozo>, std::vector<Punto>>;
// A second well's steps, and the refusal.
using EtapasMal = Tabla<std::vector<EtapaTexto>, std::string>;
const std::vector<Pozo> dos_pozos = {pozo_en(0, 0, 0.05), {"P2", 0.3, leer_estricto("1"), 5, 5}};
using Cunas = Tabla<Limite, Limite>;

}  // namespace

// Each refusal names the line, or the well or point and the line; nothing else is read.
TEST_P(Lineas, EveryRefusalNamesWhatIsWrong) {
    const auto& [nombre, lineas, rechazo, pozos, puntos] = GetParam();
    const auto estos = pozos.empty() ? std::vector<Pozo>{p1, p2} : pozos;
    EXPECT_EQ(admitir_limites(lineas, estos, puntos).rechazo(), rechazo);
}

const std::vector<Punto> puntos = {{"A", 150, 60}, {"B", 0, 70}};
const auto b = [](auto... v) { return LimiteTexto{"Barrera", v...}; };
const LimiteTexto rio{"Recarga", "0", "0", "0", "10"}, falla = b("0", "0", "10", "0");
const LimiteTexto x300 = b("300", "0", "300", "1"), x350 = b("350", "0", "350", "1");
// clang-format off
const std::string lado = ": el acuífero queda del lado de cada línea donde está el pozo 1.";
const std::string fuera = ", fuera del acuífero" + lado, angulo = "Las líneas 1 y 2 encierran el acuífero en un ángulo de ";
const std::string corte = "°: dos líneas que se cortan han de formar 90°, 60°, 45°, 36° o 30° (180°/n).";
const std::string tres = ": con tres líneas, dos han de ser paralelas y la tercera perpendicular a ellas.";
const std::string cuatro = ": cuatro líneas han de formar un rectángulo, dos pares de paralelas perpendiculares entre sí.";
INSTANTIATE_TEST_SUITE_P(Limites, Lineas, testing::ValuesIn(std::vector<Lineas::ParamType>{
    {"coordenada_no_numerica", {rio, b("1", "abc", "2", "3")}, "En la línea 2, «abc» no es un valor numérico para y1[m].", {}, {}},
    {"coordenada_fuera_de_rango", {b("1e400", "0", "2", "3")}, "En la línea 1, «1e400» no es un número que se pueda calcular para x1[m].", {}, {}},
    {"tipo_desconocido", {{"Río", "0", "0", "1", "1"}}, "La línea 1 no es de recarga ni barrera: su tipo es «Río».", {}, {}},
    {"sin_longitud", {rio, b("5", "5", "5", "5")}, "La línea 2 no tiene longitud: sus dos puntos coinciden.", {}, {}},
    {"cinco_lineas", {rio, falla, x300, b("0", "90", "1", "90"), b("0", "95", "1", "95")}, "Se admiten a lo sumo cuatro líneas: la línea 5 sobra.", {}, {}},
    {"coincidentes", {rio, b("0", "5", "0", "80")}, "La línea 2 coincide con la línea 1.", {}, {}},
    {"paralela_tras_otra", {rio, b("-50", "0", "-50", "1")}, "La línea 2 queda fuera del acuífero, tras la línea 1: "
     "dos líneas paralelas han de tener entre ellas el acuífero, con el pozo 1 «P1».", {}, {}},
    {"angulo_de_80", {rio, b("0", "0", "10", "1.7632698")}, angulo + "80.00" + corte, {}, {}},
    {"angulo_de_120", {rio, b("0", "0", "10", "-5.7735027")}, angulo + "120.00" + corte, {}, {}},
    {"cuna_mixta_de_60", {{"Recarga", "0", "0", "10", "0"}, b("0", "0", "5", "8.6602540378")}, "Las líneas 1 y 2 forman una cuña de "
     "60.00°: una de recarga y otra de barrera solo se resuelven en cuñas de 90°, 45° o 30°.", {}, {}},
    {"tres_sin_paralelas", {rio, falla, b("0", "0", "10", "10")}, "Ninguna de las líneas 1, 2 y 3 es paralela a otra" + tres, {}, {}},
    {"tres_paralelas", {rio, x300, x350}, "Las líneas 1, 2 y 3 son paralelas" + tres, {}, {}},
    {"tercera_oblicua", {rio, x300, b("0", "0", "10", "1")}, "La línea 3 no es perpendicular a las líneas 1 y 2" + tres, {}, {}},
    {"cuatro_con_una_sin_paralela", {rio, falla, b("0", "90", "1", "90"), b("0", "0", "1", "1")}, "La línea 1 no es paralela a ninguna otra" + cuatro, {}, {}},
    {"cuatro_con_tres_paralelas", {rio, x300, x350, falla}, "La línea 1 es paralela a más de una" + cuatro, {}, {}},
    {"cuatro_con_una_oblicua", {rio, x300, falla, b("0", "90", "100", "91")}, "La línea 4 no es perpendicular a la línea 1" + cuatro, {}, {}},
    {"pozo_1_sobre_la_linea", {{"Recarga", "100", "0", "100", "10"}}, "El pozo 1 «P1» está sobre la línea 1" + lado, {}, {}},
    {"pozo_al_otro_lado", {rio}, "El pozo 3 «P3» está al otro lado de la línea 1 (recarga)" + fuera, {p1, p2, {"P3", 0.3, p1.caudal, -10, 50}}, {}},
    {"pozo_2_sobre_la_linea", {b("200", "0", "200", "10")}, "El pozo 2 «P2» está sobre la línea 1 (barrera)" + fuera, {}, {}},
    {"punto_sobre_la_linea", {rio, falla}, "El punto 2 «B» está sobre la línea 1 (recarga)" + fuera, {}, puntos},
    {"punto_al_otro_lado", {b("140", "0", "140", "10")}, "El punto 1 «A» está al otro lado de la línea 1 (barrera)" + fuera, {p1}, puntos},
    {"cuna_admitida", {rio, falla}, "", {}, {}},
    {"punto_medio_metro_dentro", {b("150.5", "0", "150.5", "10")}, "", {p1}, puntos},
    {"sin_lineas", {}, "", {}, puntos}}), por_nombre);
// clang-format on

TEST_P(EtapasMal, EveryRefusalNamesTheWellAndTheStep) {
    const auto& [nombre, etapas, rechazo] = GetParam();
    EXPECT_EQ(admitir_etapas({{}, etapas}, dos_pozos).rechazo(), "El pozo 2 «P2»: " + rechazo);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Etapas, EtapasMal, testing::ValuesIn(std::vector<EtapasMal::ParamType>{
    {"comienzo_no_numerico", {{"10", "0"}, {"abc", "1"}}, "la etapa 3 empieza a «abc» días, que no es un valor numérico."},
    {"al_empezar", {{"0", "0"}}, "la etapa 2 empieza a los 0 días, no después de la etapa 1 (a los 0 días)."},
    {"a_la_vez", {{"10", "0"}, {"10", "1"}}, "la etapa 3 empieza a los 10 días, no después de la etapa 2 (a los 10 días)."},
    {"antes", {{"10", "0"}, {"5", "1"}}, "la etapa 3 empieza a los 5 días, no después de la etapa 2 (a los 10 días)."},
    {"sin_caudal", {{"10", ""}}, "el caudal de la etapa 2, «», no es un valor numérico."},
    {"caudal_fuera_de_rango", {{"10", "1e999"}}, "el caudal de la etapa 2, «1e999», no es un número que se pueda calcular."},
    {"comienzo_fuera_de_rango", {{"1e999", "1"}}, "la etapa 2 empieza a «1e999» días, que no es un número que se pueda calcular."}}), por_nombre);
// clang-format on

TEST(Etapas, AdmittedAsNumbers) {
    const auto l = admitir_etapas({{}, {{"10", "0"}, {"20.5", "-0.01"}}, {}}, dos_pozos);
    ASSERT_TRUE(l) << l.rechazo();
    EXPECT_EQ(*l, (std::vector<std::vector<Etapa>>{
                      {}, {{10, leer_estricto("0")}, {20.5, leer_estricto("-0.01")}}}));
}

// At long times the drawdown beside a river stops growing: Thiem's solution with the image well,
// s = Q / (2 pi T) ln(ri / r), at places all over the aquifer.
TEST(Imagenes, RechargeLineAtLongTimesIsThiemsImageSolution) {
    const double Q = 0.05;
    const double T = 0.01;
    const DatosCalculo d = datos({pozo_en(150, 40, Q)}, {{R, 0, -100, 0, 300}}, 1e5, T);
    std::vector<double> x, y, thiem;
    for (double px : {1.0, 20.0, 149.0, 151.0, 300.0, 900.0}) {
        for (double py : {-500.0, 0.0, 40.0, 41.0, 700.0}) {
            x.push_back(px), y.push_back(py);
            thiem.push_back(
                Q / (2 * pi * T) *
                std::log(std::hypot(px + 150, py - 40) / std::hypot(px - 150, py - 40)));
        }
    }
    por_ambos_caminos(d, x, y, thiem, 2e-5, 1e-9, 0);
}

// On a barrier the image is as far as the well: the drawdown there is twice the well's alone; on a
// recharge line it is 0.
TEST(Imagenes, BarrierDoublesTheDrawdownOnTheLine) {
    const double c = std::cos(37 * pi / 180), s = std::sin(37 * pi / 180);
    const Pozo w = pozo_en(10 - 80 * s + 5 * c, 20 + 80 * c, 0.05);
    std::vector<double> x, y, doble;
    for (const double a : {-400.0, -3.0, 0.0, 55.5, 1200.0}) {
        x.push_back(10 + a * c), y.push_back(20 + a * s);
        doble.push_back(2 * abatimiento_punto(datos({w}, {}, 3), x.back(), y.back()));
    }
    por_ambos_caminos(datos({w}, {recta(B, 10, 20, 37)}, 3), x, y, doble, 1e-11, 0, 0);
    const std::vector<double> cero(x.size(), 0.0);
    por_ambos_caminos(datos({w}, {recta(R, 10, 20, 37)}, 3), x, y, cero, 0, 1e-11 * doble[2], 1);
}

// A wedge's images mirror the field across each of its sides: at places on either side of a
// side, at the same distance, the drawdown is the same across a barrier and its opposite across a
// recharge line, to rounding. The exact path computes beyond the aquifer too.
TEST_P(Cunas, WedgesMirrorTheFieldAcrossEachSide) {
    const auto& [nombre, uno, otro] = GetParam();
    const double a1 = std::atan2(uno.y2, uno.x2), a2 = std::atan2(otro.y2, otro.x2);
    std::vector<Pozo> pozos;  // near the apex, off the bisector
    for (double f : {0.4, 0.7}) {
        const double b = (a1 + a2) / 2 + (f - 0.5) * 0.1 * (a2 - a1);
        pozos.push_back(pozo_en(250 * f * std::cos(b), 250 * f * std::sin(b), 0.05 * f));
    }
    const DatosCalculo d = datos(pozos, {uno, otro}, 4, 0.01, 2e-3);
    const Contorno& contorno = d.contorno;
    ASSERT_EQ(contorno.lados.size(), 2U);
    const double escala = std::fabs(abatimiento_punto(d, pozos[0].x + 1, pozos[0].y));
    for (const Lado& l : contorno.lados) {
        for (const double s : {5.0, 60.0, 333.0, 650.0}) {
            const double qx = l.limite.x1 + s * l.dx, qy = l.limite.y1 + s * l.dy, h = 17;
            const double dentro = abatimiento_punto(d, qx + h * l.nx, qy + h * l.ny);
            const double fuera = abatimiento_punto(d, qx - h * l.nx, qy - h * l.ny);
            EXPECT_NEAR(dentro, (l.tipo() == B ? fuera : -fuera), 1e-10 * escala)
                << l.linea << " " << s;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Imagenes, Cunas,
                         testing::ValuesIn(std::vector<Cunas::ParamType>{
                             {"de_45_mixta", recta(R, 0, 0, 0), recta(B, 0, 0, 45)},
                             {"de_36_de_barreras", recta(B, 0, 0, 5), recta(B, 0, 0, 41)}}),
                         por_nombre);

// A well's steps superposed: one stopped at 10 days recovers as Theis's recovery gives it,
// Q / (4 pi T) (W(u(t)) - W(u(t - t1))), another runs three steps, the rate's change at each start
// a well of its own. The curve of the results follows them.
TEST(Etapas, AWellStoppedRecoversAsTheisRecovery) {
    const double Q = 0.05, T = 0.01, S = 2e-4;
    const auto parado = [&](double r, double t) {
        return theis(Q, r, T, S, t) - (t > 10 ? theis(Q, r, T, S, t - 10) : 0.0);
    };
    const auto tres = [&](double r, double t) {
        return theis(0.02, r, T, S, t) + (t > 5 ? theis(0.03, r, T, S, t - 5) : 0) +
               (t > 12 ? theis(-0.06, r, T, S, t - 12) : 0);
    };
    DatosCalculo d = datos({pozo_en(0, 0, Q), pozo_en(500, 0, 0.02)}, {}, 20, T, S);
    d.etapas = {{{10, leer_estricto("0")}},
                {{5, leer_estricto("0.05")}, {12, leer_estricto("-0.01")}}};
    const std::vector<double> r = {30, 100, 450}, ceros(3, 0.0);
    for (const double t : {1.0, 7.0, 9.99, 10.0, 10.01, 11.0, 300.0}) {
        d.tiempo = t;
        std::vector<double> ambos;
        for (const double ri : r) ambos.push_back(parado(ri, t) + tres(500 - ri, t));
        por_ambos_caminos(d, r, ceros, ambos, 0, 1e-11, static_cast<size_t>(t * 100));
    }
    d.tiempo = 20;
    const CurvaTiempo c = curva_tiempo(d, 100, 0);
    ASSERT_GT(c.total.size(), 10U);
    for (size_t i = 0; i < c.total.size(); ++i)
        EXPECT_EQ(c.partes[0][i], valor_4dec(parado(100, c.tiempos.dias[i]))) << i;
}

// With steps and boundaries the engine stays within its bound of the exact path, the series
// of a rectangle and a strip at long times too; an error names the well the image stands for.
TEST(CampoPozosConLimites, EngineAsTheExactPathWithStepsAndImages) {
    const std::vector<std::pair<std::vector<Limite>, double>> casos = {
        {{{R, -10, 0, -10, 1}}, 7},
        {{{B, -10, 0, -10, 1}, {R, 0, -30, 1, -30}}, 7},
        {{{R, -10, 0, -10, 1}, {B, 2100, 0, 2100, 1}, {B, 0, -30, 1, -30}, {R, 0, 2050, 1, 2050}},
         7},
        {{{B, -10, 0, -10, 1}, {B, 2100, 0, 2100, 1}, {B, 0, -30, 1, -30}, {R, 0, 2050, 1, 2050}},
         3e4},
        {{{B, -10, 0, -10, 1}, {B, 2100, 0, 2100, 1}}, 3e4}};
    for (size_t c = 0; c < casos.size(); ++c) {
        DatosCalculo d =
            campo_aleatorio(static_cast<unsigned>(c) + 1, 40, 2000, 0.01, 2e-3, casos[c].second);
        poner_limites(d, casos[c].first);
        d.etapas.resize(d.pozos.size());
        for (size_t k = 0; k < d.pozos.size(); k += 3)
            d.etapas[k] = {{2, leer_estricto("0")}, {4.5, leer_estricto("0.03")}};
        std::vector<double> x, y;
        for (int j = 0; j < 12; ++j) d.puntos.push_back({"A", 170.0 * j + 3, 1900 - 150.0 * j});
        for (const Punto& p : d.puntos) x.push_back(p.x), y.push_back(p.y);
        for (const Pozo& p : d.pozos) x.push_back(p.x), y.push_back(p.y);
        const Totales t = CampoPozos(d).totales(d.tiempo, x, y);
        ASSERT_EQ(t.valores.size(), x.size());
        // The loops computed the points (the exact path, cota 0, at no more than two of them;
        // the wells, within the radius of a step the series continues, are its).
        EXPECT_GE(
            std::count_if(t.cotas.begin(), t.cotas.begin() + 12, [](double v) { return v > 0; }),
            10)
            << c;
        for (size_t i = 0; i < x.size(); ++i) {
            const double exacto = abatimiento_punto(d, x[i], y[i]);
            EXPECT_LE(std::fabs(t.valores[i] - exacto), t.cotas[i]) << c << " " << i;
            EXPECT_LT(t.cotas[i], 1e-7 * std::fabs(exacto) + 1e-12) << c << " " << i;
        }
        d.pozos[7].caudal = leer_estricto("x");
        EXPECT_THROW(abatimiento_punto(d, 5, 5), ErrorCalculo);
        const Totales f = CampoPozos(d).totales(d.tiempo, x, y);
        ASSERT_TRUE(f.error.has_value());
        EXPECT_EQ(f.error->pozo, 8);
    }
}

// Beyond the boundaries there is no aquifer: the map has no value there, and is the exact path's
// inside.
TEST(CampoPozosConLimites, NoValueBeyondTheBoundariesAndTooManyWellsOverflow) {
    const DatosCalculo d = datos({pozo_en(100, 100, 0.05)}, {{R, 0, 0, 0, 1}, {B, 0, 0, 1, 0}}, 2);
    Rejilla mapa{-95, -95, 10, 10, 40, 40, {}};
    abatimiento_rejilla(CampoPozos(d), 2, mapa);
    for (int j = 0; j < mapa.ny; ++j) {
        for (int i = 0; i < mapa.nx; ++i) {
            const double v = mapa.valor(i, j), e = abatimiento_punto(d, 2, mapa.x(i), mapa.y(j));
            EXPECT_TRUE(mapa.x(i) < 0 || mapa.y(j) < 0 ? std::isnan(v) : std::fabs(v - e) < 1e-11)
                << i << " " << j;
        }
    }
    // More wells and images than the program holds at one time are an overflow of the time, not
    // a wait without end.
    DatosCalculo muchos = datos({}, {}, 0.01);
    for (int k = 0; k < 300'000; ++k) muchos.pozos.push_back(pozo_en(1 + k % 8, 1 + k % 5, 0.01));
    poner_limites(muchos, {{B, 0, 0, 0, 1}, {B, 10, 0, 10, 1}});
    const Totales t =
        CampoPozos(muchos).totales(muchos.tiempo, std::vector<double>{5}, std::vector<double>{1});
    ASSERT_TRUE(t.error.has_value() && t.valores.empty());
    EXPECT_EQ(std::pair(t.error->codigo(), t.error->causa),
              std::pair(CodigoError::desbordamiento, Causa::tiempo));
}
