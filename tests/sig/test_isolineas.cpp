// The map's own isolines against GDAL's contour generator over the same grids.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "chart/equidistancia.h"
#include "chart/isolineas.h"
#include "sig/isolineas_gdal.h"

using namespace abat;

namespace {

using Punto = std::pair<double, double>;
using Lineas = std::vector<Isolinea>;

double cono(double x, double y, double xp, double yp, double q = 1) {
    return -q * std::log(std::hypot(x - xp, y - yp) / 2000);
}
double un_pozo(double x, double y) {
    return cono(x, y, 440093.3, 4470061.1);
}
double tres_pozos_uno_inyecta(double x, double y) {
    return cono(x, y, 310.5, 420.2) + cono(x, y, 655.1, 590.8, 0.7) +
           cono(x, y, 480.3, 180.6, -0.4);
}
double tras_un_limite(double x, double y) {  // no aquifer beyond the line
    return x + 0.6 * y > 330 ? NAN : cono(x, y, 150.2, 140.7);
}
double dos_filas_sin_valor(double x, double y) {
    return y == 6 || y == 9 ? NAN : x / 4 + y / 300;
}
double picos_en_diagonal(double x, double y) {  // at a cell's lowest and highest corners
    return x == y && (x == 2 || x == 3) ? 10 : 0;
}
double picos_en_la_otra(double x, double y) {
    return x + y == 5 && (x == 2 || x == 3) ? 10 : 0;
}
double circulos_de_nodos(double x, double y) {  // and their centre, a peak at 0
    return -1e4 * (std::pow(x / 2 - 5, 2) + std::pow(y / 3 - 4, 2));
}
double columna_de_nodos(double x, double y) {  // at 0 where x = 3
    return (x - 3) * (1e4 + 1e3 * y);
}

struct Caso {
    const char* nombre;
    Rejilla rejilla;  // its values: f at each node
    double (*f)(double, double);
    std::vector<double> niveles = {};  // none: the round interval the map would choose
    // GDAL settles a cell whose diagonal corners are above a level always one way (those at its
    // lowest and highest corners apart, the others joined); the map, by the cell's centre. Where
    // they part, the map's lines less GDAL's, at that level.
    std::map<double, int> de_mas = {};
};
void PrintTo(const Caso& c, std::ostream* os) {
    *os << c.nombre;
}

class Isolineas : public testing::TestWithParam<Caso> {};

// Whether each vertex of `a` lies within 1e-9 of a step of a vertex of `b`.
bool cerca(const Lineas& a, const Lineas& b, const Rejilla& r) {
    auto junto = [&r](Punto p, Punto q) {
        return std::abs(p.first - q.first) <= 1e-9 * r.dx &&
               std::abs(p.second - q.second) <= 1e-9 * r.dy;
    };
    return std::all_of(a.begin(), a.end(), [&](const Isolinea& la) {
        return std::all_of(la.puntos.begin(), la.puntos.end(), [&](Punto p) {
            return std::any_of(b.begin(), b.end(), [&](const Isolinea& lb) {
                return std::any_of(lb.puntos.begin(), lb.puntos.end(),
                                   [&](Punto q) { return junto(p, q); });
            });
        });
    });
}

std::map<double, Lineas> por_nivel(const Lineas& lineas) {
    std::map<double, Lineas> m;
    for (const Isolinea& l : lineas) m[l.nivel].push_back(l);
    return m;
}

std::vector<size_t> vertices_de_cada(const Lineas& lineas) {
    std::vector<size_t> n;
    for (const Isolinea& l : lineas) n.push_back(l.puntos.size());
    std::sort(n.begin(), n.end());
    return n;
}

}  // namespace

// At each level the lines GDAL traces, vertex by vertex, but where a cell's centre settles them
// otherwise; each line of two vertices at least, none twice in a row, in the order of the levels.
TEST_P(Isolineas, AsGdalTracesThem) {
    const Caso& c = GetParam();
    Rejilla r = c.rejilla;
    for (int k = 0; k < r.nx * r.ny; ++k) r.valores.push_back(c.f(r.x(k % r.nx), r.y(k / r.nx)));
    const std::vector<double> niveles = c.niveles.empty() ? equidistancia(r).niveles : c.niveles;
    const Lineas mias = trazar_isolineas(r, niveles);
    ASSERT_FALSE(mias.empty());
    EXPECT_TRUE(std::is_sorted(mias.begin(), mias.end(),
                               [](const auto& a, const auto& b) { return a.nivel < b.nivel; }));
    for (const Isolinea& l : mias) {
        EXPECT_GT(l.puntos.size(), 1U) << l.nivel;
        EXPECT_EQ(std::adjacent_find(l.puntos.begin(), l.puntos.end()), l.puntos.end()) << l.nivel;
    }
    const auto mias_por_nivel = por_nivel(mias);
    const auto suyas_por_nivel = por_nivel(isolineas_gdal(r, niveles));
    ASSERT_EQ(mias_por_nivel.size(), suyas_por_nivel.size());
    for (const auto& [nivel, suyas] : suyas_por_nivel) {
        const Lineas& estas = mias_por_nivel.at(nivel);
        const int de_mas = c.de_mas.contains(nivel) ? c.de_mas.at(nivel) : 0;
        EXPECT_EQ(estas.size(), suyas.size() + de_mas) << nivel;
        EXPECT_TRUE(cerca(estas, suyas, r) && cerca(suyas, estas, r)) << nivel;
        if (de_mas == 0) {
            EXPECT_EQ(vertices_de_cada(estas), vertices_de_cada(suyas)) << nivel;
        }
    }
}

// Nodes exactly at a level: GDAL moves a node within 1e-6 of a level to 1e-6 above it; their
// values a step apart differ by 1e4 at least, so that its vertices stay within 1e-10 of a step.
INSTANTIATE_TEST_SUITE_P(
    Rejillas, Isolineas,
    testing::Values(
        Caso{"cono_de_un_pozo", {440000, 4470000, 10, 7, 30, 20, {}}, un_pozo},
        Caso{"tres_pozos_uno_inyecta", {0, 0, 20, 20, 50, 40, {}}, tres_pozos_uno_inyecta},
        Caso{"sin_valor_tras_un_limite", {0, 0, 10, 10, 40, 30, {}}, tras_un_limite},
        Caso{"dos_filas_sin_valor", {0, 0, 2, 3, 8, 6, {}}, dos_filas_sin_valor, {1.7}},
        Caso{"silla", {0, 0, 1, 1, 6, 6, {}}, picos_en_diagonal, {1, 6}, {{1, -1}}},
        Caso{"silla_en_la_otra_diagonal",
             {0, 0, 1, 1, 6, 6, {}},
             picos_en_la_otra,
             {1, 6},
             {{6, 1}}},
        Caso{"nodos_en_los_niveles",
             {0, 0, 2, 3, 11, 9, {}},
             circulos_de_nodos,
             {-2.5e5, -5e4, -4e4, -1e4, 0}},
        Caso{"columna_de_nodos_en_el_nivel", {0, 0, 1, 1, 8, 5, {}}, columna_de_nodos, {0, 2e4}}),
    [](const auto& i) { return std::string(i.param.nombre); });
