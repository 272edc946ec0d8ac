#include "model/geometria.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace abat {

Caja abarcar(Caja c, double x, double y) {
    return {std::min(c.xmin, x), std::max(c.xmax, x), std::min(c.ymin, y), std::max(c.ymax, y)};
}

double margen(const Caja& c) {
    return std::max({c.ancho(), c.alto(), 1.0}) / 20;
}

// Liang and Barsky's clipping, on the whole line through the two points.
std::optional<std::array<double, 4>> tramo_en_caja(double x1, double y1, double x2, double y2,
                                                   const Caja& c) {
    const auto [xmin, xmax, ymin, ymax] = c;
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    double t0 = -std::numeric_limits<double>::infinity();
    double t1 = std::numeric_limits<double>::infinity();
    const std::array<std::pair<double, double>, 4> lados = {
        {{-dx, x1 - xmin}, {dx, xmax - x1}, {-dy, y1 - ymin}, {dy, ymax - y1}}};
    for (const auto& [p, q] : lados) {
        if (p == 0) {
            if (q < 0) return std::nullopt;  // parallel to that side, outside it
            continue;
        }
        const double t = q / p;
        if (p < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
    }
    if (!(t0 <= t1) || !std::isfinite(t0) || !std::isfinite(t1)) return std::nullopt;
    return std::array<double, 4>{x1 + t0 * dx, y1 + t0 * dy, x1 + t1 * dx, y1 + t1 * dy};
}

}  // namespace abat
