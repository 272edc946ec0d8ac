#include "sig/limites_sig.h"

namespace abat {

std::optional<Caja> extension_de(const CapasSig& c) {
    std::optional<Caja> e;
    const auto abarcar_punto = [&e](double x, double y) {
        e = e ? abarcar(*e, x, y) : Caja{x, x, y, y};
    };
    for (const Pozo& p : c.pozos) abarcar_punto(p.x, p.y);
    for (const Punto& p : c.puntos) abarcar_punto(p.x, p.y);
    for (const Isolinea& l : c.isolineas.lineas) {
        for (const auto& [x, y] : l.puntos) abarcar_punto(x, y);
    }
    if (c.rejilla.nx > 0 && c.rejilla.ny > 0) {
        abarcar_punto(c.rejilla.x0, c.rejilla.y0);
        abarcar_punto(c.rejilla.x(c.rejilla.nx - 1), c.rejilla.y(c.rejilla.ny - 1));
    }
    for (const Lado& l : c.limites) {
        abarcar_punto(l.limite.x1, l.limite.y1);
        abarcar_punto(l.limite.x2, l.limite.y2);
    }
    return e;
}

std::optional<std::array<double, 4>> trazo_limite(const Lado& l, const Caja& e) {
    const double m = margen(e);
    return tramo_en_caja(l.limite.x1, l.limite.y1, l.limite.x2, l.limite.y2,
                         {e.xmin - m, e.xmax + m, e.ymin - m, e.ymax + m});
}

}  // namespace abat
