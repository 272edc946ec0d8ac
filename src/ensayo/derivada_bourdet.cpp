#include "ensayo/derivada_bourdet.h"

#include <cmath>

namespace abat {

std::vector<PuntoTiempo> derivada_bourdet(const std::vector<PuntoTiempo>& lecturas, double ciclos) {
    const std::vector<PuntoTiempo>& p = lecturas;
    const double L = ciclos * std::log(10.0);  // in ln t
    const auto n = static_cast<long>(p.size());
    std::vector<PuntoTiempo> d;
    d.reserve(p.size());
    long izquierda = 0;  // the nearest reading at least L before, or the first
    long derecha = 0;    // the nearest reading at least L after, or the last
    for (long i = 0; i < n; ++i) {
        const double x = std::log(p[static_cast<size_t>(i)].t);
        while (izquierda + 1 < i && x - std::log(p[static_cast<size_t>(izquierda + 1)].t) >= L) {
            ++izquierda;
        }
        derecha = std::max(derecha, i);
        while (derecha + 1 < n && std::log(p[static_cast<size_t>(derecha)].t) - x < L) ++derecha;
        const PuntoTiempo& a = p[static_cast<size_t>(izquierda)];
        const PuntoTiempo& b = p[static_cast<size_t>(derecha)];
        const PuntoTiempo& c = p[static_cast<size_t>(i)];
        const double dx1 = x - std::log(a.t);
        const double dx2 = std::log(b.t) - x;
        double v = 0;
        if (dx1 > 0 && dx2 > 0) {
            v = ((c.s - a.s) / dx1 * dx2 + (b.s - c.s) / dx2 * dx1) / (dx1 + dx2);
        } else if (dx1 > 0) {
            v = (c.s - a.s) / dx1;
        } else if (dx2 > 0) {
            v = (b.s - c.s) / dx2;
        } else {
            continue;
        }
        d.push_back({c.t, v});
    }
    return d;
}

}  // namespace abat
