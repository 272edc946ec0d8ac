// Computes the leaky aquifer's table (malla_hantush.h) when the program is built, and writes it
// as C++ to the file named on its command line. Each cell's series from the values of L at the
// (grado + 1)^2 Chebyshev points of the first kind in the cell, by the discrete cosine transform;
// each value by a double-exponential quadrature of ∫_0^∞ exp(-p e^t - q e^-t) dt to a relative
// 1e-15 (Boost.Math's exp_sinh).
#include <boost/math/quadrature/exp_sinh.hpp>

#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>
#include <vector>

#include "calc/malla_hantush.h"

namespace {

namespace m = abat::malla_hantush;

double L(double x, double y) {
    static boost::math::quadrature::exp_sinh<double> integral;
    const double p = std::exp(x);
    const double q = std::exp(y);
    const auto f = [p, q](double t) { return std::exp(-p * std::exp(t) - q * std::exp(-t)); };
    double error = 0;
    double l1 = 0;
    return std::log(
        integral.integrate(f, 0.0, std::numeric_limits<double>::infinity(), 1e-15, &error, &l1));
}

// The Chebyshev coefficients of L over cell (i, j), x's index first.
std::array<double, m::coeficientes> serie(int i, int j) {
    constexpr int n = m::terminos;
    std::array<double, n> nodo{};
    for (int a = 0; a < n; ++a) nodo[a] = std::cos(std::numbers::pi * (a + 0.5) / n);
    std::array<double, m::coeficientes> valor{};
    for (int a = 0; a < n; ++a) {
        for (int b = 0; b < n; ++b) {
            valor[a * n + b] = L(m::origen + (i + (nodo[a] + 1) / 2) * m::lado,
                                 m::origen + (j + (nodo[b] + 1) / 2) * m::lado);
        }
    }
    const auto coseno = [](int k, int a) { return std::cos(std::numbers::pi * k * (a + 0.5) / n); };
    std::array<double, m::coeficientes> en_y{};
    for (int a = 0; a < n; ++a) {
        for (int l = 0; l < n; ++l) {
            double s = 0;
            for (int b = 0; b < n; ++b) s += valor[a * n + b] * coseno(l, b);
            en_y[a * n + l] = s * (l == 0 ? 1.0 : 2.0) / n;
        }
    }
    std::array<double, m::coeficientes> c{};
    for (int k = 0; k < n; ++k) {
        for (int l = 0; l < n; ++l) {
            double s = 0;
            for (int a = 0; a < n; ++a) s += en_y[a * n + l] * coseno(k, a);
            c[k * n + l] = s * (k == 0 ? 1.0 : 2.0) / n;
        }
    }
    return c;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s ARCHIVO\n", argv[0]);
        return 2;
    }
    std::FILE* f = std::fopen(argv[1], "w");
    if (f == nullptr) return 1;
    std::vector<int> indice;
    std::vector<double> coeficientes;
    for (int j = 0; j < m::celdas; ++j) {
        for (int i = 0; i < m::celdas; ++i) {
            if (!m::tiene_serie(i, j)) {
                indice.push_back(-1);
                continue;
            }
            indice.push_back(static_cast<int>(coeficientes.size() / m::coeficientes));
            const auto c = serie(i, j);
            coeficientes.insert(coeficientes.end(), c.begin(), c.end());
        }
    }
    std::fprintf(f, "// Written by generar_tabla_hantush when the program is built.\n");
    std::fprintf(f, "inline constexpr std::array<short, %zu> indice = {", indice.size());
    for (size_t k = 0; k < indice.size(); ++k)
        std::fprintf(f, "%s%d", k != 0 ? "," : "", indice[k]);
    std::fprintf(f, "};\ninline constexpr std::array<double, %zu> serie = {", coeficientes.size());
    for (size_t k = 0; k < coeficientes.size(); ++k)
        std::fprintf(f, "%s%.17g", k != 0 ? ",\n" : "\n", coeficientes[k]);
    std::fprintf(f, "};\n");
    return std::fclose(f) == 0 ? 0 : 1;
}
