#include "chart/vista_mapa.h"

#include <algorithm>
#include <cmath>

namespace abat {
namespace {

constexpr int nodos_minimos = 200;
constexpr double pixeles_por_nodo = 2.5;

// The nodes that fit from one edge to the other at this step, both edges' included.
int nodos(double extension, double paso) {
    return static_cast<int>(std::floor(extension / paso * (1 + 1e-12))) + 1;
}

}  // namespace

Caja a_igual_escala(Caja v, int ancho, int alto) {
    ancho = std::max(ancho, 1);
    alto = std::max(alto, 1);
    double mpp = std::max(v.ancho() / ancho, v.alto() / alto);  // metres per pixel
    if (!(mpp > 0) || !std::isfinite(mpp)) mpp = 1.0 / std::max(ancho, alto);
    const double cx = (v.xmin + v.xmax) / 2;
    const double cy = (v.ymin + v.ymax) / 2;
    return {cx - mpp * ancho / 2, cx + mpp * ancho / 2, cy - mpp * alto / 2, cy + mpp * alto / 2};
}

// Square cells, as a GIS raster wants them: one step across and up, the finer of a node every 2.5
// pixels and 200 nodes along the shorter side.
Rejilla rejilla_de_vista(const Caja& v, int ancho, int alto) {
    const double por_pixel = std::max(v.ancho() / std::max(ancho, 1), v.alto() / std::max(alto, 1));
    const double paso =
        std::min(std::min(v.ancho(), v.alto()) / (nodos_minimos - 1), por_pixel * pixeles_por_nodo);
    Rejilla r;
    r.x0 = v.xmin;
    r.y0 = v.ymin;
    r.dx = r.dy = paso;
    r.nx = nodos(v.ancho(), paso);
    r.ny = nodos(v.alto(), paso);
    r.valores.assign(static_cast<size_t>(r.nx) * static_cast<size_t>(r.ny), 0.0);
    return r;
}

Caja acercar(const Caja& v, double factor, double x, double y) {
    return {x + (v.xmin - x) * factor, x + (v.xmax - x) * factor, y + (v.ymin - y) * factor,
            y + (v.ymax - y) * factor};
}

Caja desplazar(const Caja& v, double dx, double dy) {
    return {v.xmin + dx, v.xmax + dx, v.ymin + dy, v.ymax + dy};
}

Caja con_limites(const Caja& vista, const std::vector<Lado>& limites) {
    if (limites.empty()) return vista;
    Caja todo = vista;
    for (const Lado& l : limites) {
        todo = abarcar(abarcar(todo, l.limite.x1, l.limite.y1), l.limite.x2, l.limite.y2);
    }
    const double m = margen(todo);
    Caja v = vista;
    for (const Lado& l : limites) {
        for (const auto& [x, y] :
             {std::pair{l.limite.x1, l.limite.y1}, {l.limite.x2, l.limite.y2}}) {
            v = abarcar(abarcar(v, x - m, y - m), x + m, y + m);
        }
    }
    return v;
}

}  // namespace abat
