#include "vista_mapa.h"

#include <algorithm>
#include <cmath>

namespace abat {
namespace {

constexpr int nodos_minimos = 200;
constexpr double pixeles_por_nodo = 2.5;

int nodos(int pixeles) {
    return std::max(nodos_minimos, static_cast<int>(std::ceil(pixeles / pixeles_por_nodo)));
}

}  // namespace

VistaMapa a_igual_escala(VistaMapa v, int ancho, int alto) {
    ancho = std::max(ancho, 1);
    alto = std::max(alto, 1);
    double mpp = std::max(v.ancho() / ancho, v.alto() / alto);  // metres per pixel
    if (!(mpp > 0) || !std::isfinite(mpp)) mpp = 1.0 / std::max(ancho, alto);
    const double cx = (v.xmin + v.xmax) / 2;
    const double cy = (v.ymin + v.ymax) / 2;
    return {cx - mpp * ancho / 2, cx + mpp * ancho / 2, cy - mpp * alto / 2, cy + mpp * alto / 2};
}

Rejilla rejilla_de_vista(const VistaMapa& v, int ancho, int alto) {
    Rejilla r;
    r.nx = nodos(ancho);
    r.ny = nodos(alto);
    r.x0 = v.xmin;
    r.y0 = v.ymin;
    r.dx = v.ancho() / (r.nx - 1);
    r.dy = v.alto() / (r.ny - 1);
    r.valores.assign(static_cast<size_t>(r.nx) * static_cast<size_t>(r.ny), 0.0);
    return r;
}

VistaMapa acercar(const VistaMapa& v, double factor, double x, double y) {
    return {x + (v.xmin - x) * factor, x + (v.xmax - x) * factor, y + (v.ymin - y) * factor,
            y + (v.ymax - y) * factor};
}

VistaMapa desplazar(const VistaMapa& v, double dx, double dy) {
    return {v.xmin + dx, v.xmax + dx, v.ymin + dy, v.ymax + dy};
}

}  // namespace abat
