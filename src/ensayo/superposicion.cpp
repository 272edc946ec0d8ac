#include "ensayo/superposicion.h"

#include <cmath>

namespace abat {
namespace {

// ln of the equivalent time at t while the rate is q: Σ ΔQₖ/q · ln(t − tₖ) over the changes
// before t.
double ln_equivalente(const std::vector<EtapaEnsayo>& cambios, double t, double q) {
    double x = 0;
    for (const EtapaEnsayo& c : cambios) {
        if (c.desde < t) x += c.Q / q * std::log(t - c.desde);
    }
    return x;
}

}  // namespace

std::optional<PuntoRecta> en_papel_recta(const DatosEnsayo& d, bool recuperacion, double t,
                                         double s) {
    if (!(t > 0) || d.recuperando({0, t, s, 0}) != recuperacion) return std::nullopt;
    const std::vector<EtapaEnsayo> cambios = d.cambios();
    if (recuperacion) return PuntoRecta{std::exp(ln_equivalente(cambios, t, d.Q)), s};
    const double q = d.caudal_en(t);
    if (!(q > 0)) return std::nullopt;
    return PuntoRecta{std::exp(ln_equivalente(cambios, t, q)), s * d.Q / q};
}

double desde_el_cambio(const DatosEnsayo& d, double t) {
    double desde = 0;
    for (const EtapaEnsayo& c : d.cambios()) {
        if (c.desde < t) desde = c.desde;
    }
    return t - desde;
}

std::vector<PuntoTiempo> derivada_superpuesta(const DatosEnsayo& d,
                                              const std::vector<PuntoTiempo>& lecturas) {
    std::vector<PuntoTiempo> derivada;
    size_t i = 0;
    while (i < lecturas.size()) {
        // The readings of one step, from where its equivalent time grows.
        const double q = d.caudal_en(lecturas[i].t);
        std::vector<double> x;
        std::vector<double> y;
        std::vector<double> t;
        for (; i < lecturas.size() && d.caudal_en(lecturas[i].t) == q; ++i) {
            const std::optional<PuntoRecta> p =
                en_papel_recta(d, false, lecturas[i].t, lecturas[i].s);
            if (!p) continue;
            if (!x.empty() && std::log(p->x) < x.back()) {  // runs back: start again
                x.clear();
                y.clear();
                t.clear();
            }
            x.push_back(std::log(p->x));
            y.push_back(p->y);
            t.push_back(lecturas[i].t);
        }
        const std::vector<std::optional<double>> v = pendientes_bourdet(x, y);
        for (size_t k = 0; k < v.size(); ++k) {
            if (v[k]) derivada.push_back({t[k], *v[k]});
        }
    }
    return derivada;
}

}  // namespace abat
