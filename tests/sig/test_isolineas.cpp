#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "chart/equidistancia.h"
#include "sig/isolineas.h"

using namespace abat;

// Lines at the levels asked, each closed or ending on the outer nodes; each vertex on a grid edge,
// where interpolating between the edge's two nodes, whose values bracket the line's level, gives
// that level. The values: a drawdown round a well off the nodes, on steps that differ in x and y.
TEST(Isolineas, AtTheLevelsAskedWithEachVertexOnABracketingEdge) {
    Rejilla r{440000, 4470000, 10, 7, 30, 20, {}};
    for (int k = 0; k < r.nx * r.ny; ++k) {
        r.valores.push_back(-std::log(std::hypot(r.x(k % 30) - 440093.3, r.y(k / 30) - 4470061.1)));
    }
    const Equidistancia e = equidistancia(r);
    const std::vector<Isolinea> lineas = trazar_isolineas(r, e.niveles);
    ASSERT_GT(lineas.size(), e.niveles.size() - 2);
    auto en_borde = [&r](std::pair<double, double> p) {
        return p.first == r.x0 || p.first == r.x(29) || p.second == r.y0 || p.second == r.y(19);
    };
    for (const Isolinea& l : lineas) {
        EXPECT_NE(std::find(e.niveles.begin(), e.niveles.end(), l.nivel), e.niveles.end());
        const auto [primero, ultimo] = std::pair(l.puntos.front(), l.puntos.back());
        EXPECT_TRUE(primero == ultimo || (en_borde(primero) && en_borde(ultimo))) << l.nivel;
        for (const auto& [x, y] : l.puntos) {
            const double fi = (x - r.x0) / r.dx;
            const double fj = (y - r.y0) / r.dy;
            const bool vertical = std::abs(fi - std::round(fi)) < 1e-9;  // on a column of nodes
            ASSERT_TRUE(vertical || std::abs(fj - std::round(fj)) < 1e-9) << x << ", " << y;
            const int i = static_cast<int>(vertical ? std::round(fi) : std::floor(fi));
            const int j = static_cast<int>(vertical ? std::floor(fj) : std::round(fj));
            const double a = r.valor(i, j);
            const double b =
                r.valor(vertical ? i : std::min(i + 1, 29), vertical ? std::min(j + 1, 19) : j);
            EXPECT_TRUE(std::min(a, b) <= l.nivel && l.nivel <= std::max(a, b)) << x << ", " << y;
            EXPECT_NEAR(a + (vertical ? fj - j : fi - i) * (b - a), l.nivel, 1e-9 * e.intervalo);
        }
    }
}

// Nodes without a value are no data: a line across two rows of them is cut in two, and no vertex
// lies farther than half a step from a node with a value.
TEST(Isolineas, NoLineThroughNodesWithoutValue) {
    Rejilla r{0, 0, 2, 3, 8, 6, {}};
    for (int k = 0; k < 48; ++k)
        r.valores.push_back(k / 8 == 2 || k / 8 == 3 ? NAN : 0.5 * (k % 8) + 0.01 * k);
    const std::vector<Isolinea> lineas = trazar_isolineas(r, {1.7});
    ASSERT_EQ(lineas.size(), 2U);
    for (const Isolinea& l : lineas) {
        for (const auto& [x, y] : l.puntos) EXPECT_FALSE(y > 4.5 && y < 10.5) << x << ", " << y;
    }
}
