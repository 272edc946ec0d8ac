#include "calc/interpolacion_chebyshev.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace abat {

std::vector<double> puntos_chebyshev(double a, double b, int n) {
    std::vector<double> p(static_cast<size_t>(n) + 1);
    const double centro = (a + b) / 2;
    const double radio = (b - a) / 2;
    for (int j = 0; j <= n; ++j) p[j] = centro - radio * std::cos(std::numbers::pi * j / n);
    p.front() = a;  // the ends exactly, where the grid's first and last nodes lie
    p.back() = b;
    return p;
}

double lebesgue_chebyshev(int n) {
    return 1 + 2 / std::numbers::pi * std::log(n + 1.0);
}

std::vector<double> pesos_chebyshev(const std::vector<double>& puntos, std::span<const double> x) {
    const size_t m = puntos.size();
    std::vector<double> w(x.size() * m, 0.0);
    for (size_t i = 0; i < x.size(); ++i) {
        double* fila = &w[i * m];
        double suma = 0;
        bool en_un_punto = false;
        for (size_t j = 0; j < m; ++j) {
            const double d = x[i] - puntos[j];
            if (d == 0) {
                std::fill(fila, fila + m, 0.0);
                fila[j] = 1;
                en_un_punto = true;
                break;
            }
            // (-1)^j, halved at the two ends: the weights of the second kind's points
            const double peso = (j % 2 == 0 ? 1.0 : -1.0) * (j == 0 || j + 1 == m ? 0.5 : 1.0);
            fila[j] = peso / d;
            suma += fila[j];
        }
        if (en_un_punto) continue;
        for (size_t j = 0; j < m; ++j) fila[j] /= suma;
    }
    return w;
}

std::vector<double> interpolar_chebyshev(std::span<const double> valores,
                                         const std::vector<double>& px,
                                         const std::vector<double>& py, std::span<const double> x,
                                         std::span<const double> y) {
    const size_t mx = px.size();
    const size_t my = py.size();
    const size_t nx = x.size();
    const std::vector<double> wx = pesos_chebyshev(px, x);
    const std::vector<double> wy = pesos_chebyshev(py, y);
    std::vector<double> filas(my * nx, 0.0);  // along x first, on each row of points
    for (size_t j = 0; j < my; ++j) {
        for (size_t i = 0; i < nx; ++i) {
            double s = 0;
            for (size_t k = 0; k < mx; ++k) s += wx[i * mx + k] * valores[j * mx + k];
            filas[j * nx + i] = s;
        }
    }
    std::vector<double> r(y.size() * nx, 0.0);  // then along y, a whole row of nodes at a time
    for (size_t j = 0; j < y.size(); ++j) {
        double* fila = &r[j * nx];
        for (size_t k = 0; k < my; ++k) {
            const double w = wy[j * my + k];
            const double* de = &filas[k * nx];
            for (size_t i = 0; i < nx; ++i) fila[i] += w * de[i];
        }
    }
    return r;
}

}  // namespace abat
