#include "ensayo/derivada_bourdet.h"

#include <cmath>

namespace abat {

std::vector<std::optional<double>> pendientes_bourdet(const std::vector<double>& x,
                                                      const std::vector<double>& s, double ciclos) {
    const double L = ciclos * std::log(10.0);  // in ln t
    const auto n = static_cast<long>(x.size());
    const auto X = [&x](long i) { return x[static_cast<size_t>(i)]; };
    const auto Y = [&s](long i) { return s[static_cast<size_t>(i)]; };
    std::vector<std::optional<double>> d(x.size());
    long izquierda = -1;  // the nearest reading at least L before; -1: none
    long derecha = 0;     // the nearest at least L after; n: none
    for (long i = 0; i < n; ++i) {
        while (izquierda + 1 < i && X(i) - X(izquierda + 1) >= L) ++izquierda;
        derecha = std::max(derecha, i + 1);
        while (derecha < n && X(derecha) - X(i) < L) ++derecha;
        // A side without a reading that far has no slope: two close readings would give one of
        // their noise alone.
        const double dx1 = izquierda >= 0 ? X(i) - X(izquierda) : 0;
        const double dx2 = derecha < n ? X(derecha) - X(i) : 0;
        const bool antes = dx1 > 0;
        const bool despues = dx2 > 0;
        if (!antes && !despues) continue;
        const double m1 = antes ? (Y(i) - Y(izquierda)) / dx1 : 0;
        const double m2 = despues ? (Y(derecha) - Y(i)) / dx2 : 0;
        d[static_cast<size_t>(i)] = !antes     ? m2
                                    : !despues ? m1
                                               : (m1 * dx2 + m2 * dx1) / (dx1 + dx2);
    }
    return d;
}

std::vector<PuntoTiempo> derivada_bourdet(const std::vector<PuntoTiempo>& lecturas, double ciclos) {
    std::vector<double> x;
    std::vector<double> s;
    x.reserve(lecturas.size());
    s.reserve(lecturas.size());
    for (const PuntoTiempo& p : lecturas) {
        x.push_back(std::log(p.t));
        s.push_back(p.s);
    }
    const std::vector<std::optional<double>> v = pendientes_bourdet(x, s, ciclos);
    std::vector<PuntoTiempo> d;
    d.reserve(lecturas.size());
    for (size_t i = 0; i < v.size(); ++i) {
        if (v[i]) d.push_back({lecturas[i].t, *v[i]});
    }
    return d;
}

}  // namespace abat
