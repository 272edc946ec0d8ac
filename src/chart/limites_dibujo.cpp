#include "chart/limites_dibujo.h"

#include <algorithm>
#include <cmath>

#include "calc/limites.h"
#include "model/geometria.h"

namespace abat {

std::vector<LimiteDibujo> limites_dibujo(const DatosCalculo& datos) {
    std::vector<LimiteDibujo> r;
    const Contorno c = contorno_de(datos);
    for (const Lado& l : c.lados) {
        const Limite& limite = datos.limites[static_cast<size_t>(l.linea - 1)];
        r.push_back({limite.x1, limite.y1, limite.x2, limite.y2, l.tipo == TipoLimite::barrera,
                     l.nx, l.ny, l.linea});
    }
    return r;
}

std::optional<std::array<double, 4>> recortar(const LimiteDibujo& l, double xmin, double xmax,
                                              double ymin, double ymax) {
    return tramo_en_rectangulo(l.x1, l.y1, l.x2, l.y2, xmin, xmax, ymin, ymax);
}

VistaMapa con_limites(const VistaMapa& vista, const std::vector<LimiteDibujo>& limites) {
    if (limites.empty()) return vista;
    VistaMapa todo = vista;
    for (const LimiteDibujo& l : limites) {
        todo.xmin = std::min({todo.xmin, l.x1, l.x2});
        todo.xmax = std::max({todo.xmax, l.x1, l.x2});
        todo.ymin = std::min({todo.ymin, l.y1, l.y2});
        todo.ymax = std::max({todo.ymax, l.y1, l.y2});
    }
    // Room around the points the view did not hold, so a line does not run along its edge.
    const double margen = std::max(todo.ancho(), todo.alto()) / 20;
    VistaMapa v = vista;
    for (const LimiteDibujo& l : limites) {
        for (const auto& [x, y] : {std::pair{l.x1, l.y1}, {l.x2, l.y2}}) {
            v.xmin = std::min(v.xmin, x - margen);
            v.xmax = std::max(v.xmax, x + margen);
            v.ymin = std::min(v.ymin, y - margen);
            v.ymax = std::max(v.ymax, y + margen);
        }
    }
    return v;
}

}  // namespace abat
