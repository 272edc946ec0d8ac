#include "sig/limites_sig.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/geometria.h"

namespace abat {

std::vector<TrazoLimite> trazos_limites(const CapasSig& c) {
    std::vector<TrazoLimite> trazos;
    if (c.limites.empty()) return trazos;
    constexpr double infinito = std::numeric_limits<double>::infinity();
    double x0 = infinito;
    double x1 = -infinito;
    double y0 = infinito;
    double y1 = -infinito;
    const auto abarcar = [&](double x, double y) {
        x0 = std::min(x0, x);
        x1 = std::max(x1, x);
        y0 = std::min(y0, y);
        y1 = std::max(y1, y);
    };
    for (const Pozo& p : c.pozos) abarcar(p.x, p.y);
    for (const Punto& p : c.puntos) abarcar(p.x, p.y);
    if (c.rejilla.nx > 0 && c.rejilla.ny > 0) {
        abarcar(c.rejilla.x0, c.rejilla.y0);
        abarcar(c.rejilla.x(c.rejilla.nx - 1), c.rejilla.y(c.rejilla.ny - 1));
    }
    for (const Limite& l : c.limites) abarcar(l.x1, l.y1), abarcar(l.x2, l.y2);
    const double margen = std::max({x1 - x0, y1 - y0, 1.0}) / 20;
    for (size_t k = 0; k < c.limites.size(); ++k) {
        const Limite& l = c.limites[k];
        const auto tramo = tramo_en_rectangulo(l.x1, l.y1, l.x2, l.y2, x0 - margen, x1 + margen,
                                               y0 - margen, y1 + margen);
        if (!tramo) continue;
        trazos.push_back({static_cast<int>(k) + 1,
                          l.tipo == TipoLimite::recarga ? "recarga" : "barrera", *tramo});
    }
    return trazos;
}

}  // namespace abat
