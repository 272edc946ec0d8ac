#include "ensayo/derivada_bourdet.h"

#include <cmath>

namespace abat {

std::vector<PuntoTiempo> derivada_bourdet(const std::vector<PuntoTiempo>& lecturas, double ciclos) {
    const std::vector<PuntoTiempo>& p = lecturas;
    const double L = ciclos * std::log(10.0);  // in ln t
    const auto n = static_cast<long>(p.size());
    const auto x = [&p](long i) { return std::log(p[static_cast<size_t>(i)].t); };
    std::vector<PuntoTiempo> d;
    d.reserve(p.size());
    long izquierda = -1;  // the nearest reading at least L before; -1: none
    long derecha = 0;     // the nearest at least L after; n: none
    for (long i = 0; i < n; ++i) {
        while (izquierda + 1 < i && x(i) - x(izquierda + 1) >= L) ++izquierda;
        derecha = std::max(derecha, i + 1);
        while (derecha < n && x(derecha) - x(i) < L) ++derecha;
        const PuntoTiempo& c = p[static_cast<size_t>(i)];
        // A side without a reading that far has no slope: two close readings would give one of
        // their noise alone.
        const double dx1 = izquierda >= 0 ? x(i) - x(izquierda) : 0;
        const double dx2 = derecha < n ? x(derecha) - x(i) : 0;
        const bool antes = dx1 > 0;
        const bool despues = dx2 > 0;
        if (!antes && !despues) continue;
        const double m1 = antes ? (c.s - p[static_cast<size_t>(izquierda)].s) / dx1 : 0;
        const double m2 = despues ? (p[static_cast<size_t>(derecha)].s - c.s) / dx2 : 0;
        const double v = !antes ? m2 : !despues ? m1 : (m1 * dx2 + m2 * dx1) / (dx1 + dx2);
        d.push_back({c.t, v});
    }
    return d;
}

}  // namespace abat
