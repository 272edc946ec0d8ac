// The far sources of a map interpolated from Chebyshev points: exact for polynomials, within the
// proven bound for one source's share, and the map within its bounds of every node summed.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calc/campo_pozos.h"
#include "calc/fuentes_lejanas.h"
#include "calc/funcion_pozo.h"
#include "calc/interpolacion_chebyshev.h"
#include "calc/mapa_abatimiento.h"
#include "support/casos.h"
#include "support/fixtures.h"

using namespace abat;
using namespace abat::prueba;

namespace {

std::vector<double> nodos(double a, double b, int n) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i) v.push_back(a + (b - a) * i / (n - 1));
    return v;
}

// The largest error of f interpolated at degree n over [0, 1000]^2, read at 41 x 41 nodes.
template <class F>
double error_interpolado(F f, int n, double a = 0, double b = 1000) {
    const std::vector<double> p = puntos_chebyshev(a, b, n);
    std::vector<double> v;
    for (const double y : p) {
        for (const double x : p) v.push_back(f(x, y));
    }
    const std::vector<double> x = nodos(a, b, 41);
    const std::vector<double> r = interpolar_chebyshev(v, p, p, x, x);
    double e = 0;
    for (size_t j = 0; j < x.size(); ++j) {
        for (size_t i = 0; i < x.size(); ++i)
            e = std::max(e, std::fabs(r[j * 41 + i] - f(x[i], x[j])));
    }
    return e;
}

using Grados = Tabla<int>;
// A source at (x, y), c, the degree, and the bound's use.
using Fuentes = Tabla<double, double, double, int, double>;

}  // namespace

TEST_P(Grados, ReproducesPolynomialsOfItsDegree) {
    const int n = std::get<1>(GetParam());
    const auto f = [n](double x, double y) {
        return std::pow(x - 2, n) * std::pow(y + 1, n - 1) - 3 * x * y + 1;
    };
    const double escala = std::pow(7.0, 2 * n);
    EXPECT_LE(error_interpolado(f, n, -5, 4), 1e-12 * escala);
    EXPECT_GT(error_interpolado(f, n - 1, -5, 4), 1e-6 * escala);
}

INSTANTIATE_TEST_SUITE_P(InterpolacionChebyshev, Grados,
                         testing::ValuesIn(std::vector<Grados::ParamType>{
                             {"grado_2", 2}, {"grado_3", 3}, {"grado_8", 8}}),
                         por_nombre);

// A share k W(c r^2) of a source at (x, y) off the box [0, 1000]^2: its interpolant's error within
// the bound, the bound useful (below `a_lo_sumo` of k) far enough, infinite inside the box.
TEST_P(Fuentes, BoundsTheErrorOfOneSource) {
    const auto& [nombre, xf, yf, c, n, a_lo_sumo] = GetParam();
    // Structured bindings captured by name: Clang before 16 does not capture them.
    const auto f = [xf = xf, yf = yf, c = c](double x, double y) {
        return 0.1 * funcion_pozo(c * ((x - xf) * (x - xf) + (y - yf) * (y - yf)));
    };
    const double cota = cota_interpolacion(xf, yf, 0.1, c, Caja{0, 1000, 0, 1000}, n);
    EXPECT_LE(error_interpolado(f, n), cota);
    EXPECT_LE(cota, 0.1 * a_lo_sumo);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CotaInterpolacion, Fuentes, testing::ValuesIn(std::vector<Fuentes::ParamType>{
    {"junto_al_lado", -300, 500, 1e-6, 16, INFINITY}, {"lejos_en_diagonal", 3000, 4000, 1e-6, 6, 1e-8}, {"lejos_al_sur", 500, -4000, 1e-7, 6, 1e-5},
    {"en_la_esquina", -1500, -1500, 5e-6, 6, 1e-10}, {"lejos_y_empinada", 8000, 500, 1e-4, 16, 1e-12},
    {"cerca_al_norte", 500, 1200, 2e-6, 48, INFINITY}, {"en_el_quiebro_de_la_serie", -1000, 500, 1e-7, 32, INFINITY}}), por_nombre);
// clang-format on

TEST(CotaInterpolacion, InfiniteForASourceInsideTheBox) {
    EXPECT_EQ(cota_interpolacion(500, 500, 0.1, 1e-6, Caja{0, 1000, 0, 1000}, 32), INFINITY);
}

// A confined strip, whose cones cross it and back: the map, its far images interpolated,
// within its bounds of each node summed (one in five, as the others cost too long under the
// sanitizers), the bounds no more than the tolerance beyond.
TEST(MapaConFuentesLejanas, AgreesWithEveryNodeSummedWithinItsBounds) {
    const double lado = 2000;
    DatosCalculo d{{0.01, 2e-4}, 1, {}, {}};
    std::mt19937_64 g(3);
    std::uniform_real_distribution<double> lugar(50, lado - 50);
    for (int k = 0; k < 100; ++k) {
        const double x = lugar(g);
        d.pozos.push_back({"P", 0.3, {Lectura::numero, k % 7 == 6 ? -0.01 : 0.02}, x, lugar(g)});
    }
    d.pozos.push_back(
        {"Ancho", 5000, {Lectura::numero, 0.01}, 1000, 1500});  // a radius past the box
    poner_limites(d, {{TipoLimite::recarga, 0, 0, 0, 1}, {TipoLimite::barrera, lado, 0, lado, 1}});
    const CampoPozos campo(d);
    Rejilla mapa{-100, -100, (lado + 200) / 149, (lado + 200) / 149, 150, 150, {}};
    const Totales t = campo.totales_rejilla(0.3, mapa);
    ASSERT_EQ(t.valores.size(), 150U * 150U);
    std::vector<size_t> nodo;
    std::vector<double> x, y;
    for (size_t i = 0; i < t.valores.size(); i += 5) {
        nodo.push_back(i);
        x.push_back(mapa.x(static_cast<int>(i % 150)));
        y.push_back(mapa.y(static_cast<int>(i / 150)));
    }
    const Totales e = totales_en_el_acuifero(campo, 0.3, x, y);
    double mayor_cota = 0;
    for (size_t k = 0; k < x.size(); ++k) {
        const double v = t.valores[nodo[k]], cota = t.cotas[nodo[k]];
        ASSERT_EQ(std::isnan(v), std::isnan(e.valores[k])) << k;
        if (std::isnan(v)) continue;
        EXPECT_LE(std::fabs(v - e.valores[k]), cota + e.cotas[k]) << k;
        EXPECT_LE(cota, e.cotas[k] + tolerancia_lejanas * 1.01) << k;
        mayor_cota = std::max(mayor_cota, cota - e.cotas[k]);
    }
    EXPECT_GT(mayor_cota, 1e-3 * tolerancia_lejanas);  // the far images were interpolated
}
