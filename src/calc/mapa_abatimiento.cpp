#include "calc/mapa_abatimiento.h"

#include <vector>

namespace abat {

void abatimiento_rejilla(const CampoPozos& campo, double tiempo, Rejilla& mapa) {
    if (mapa.nx <= 0 || mapa.ny <= 0) {
        mapa.valores.clear();
        return;
    }
    const size_t n = static_cast<size_t>(mapa.nx) * static_cast<size_t>(mapa.ny);
    std::vector<double> x(n);
    std::vector<double> y(n);
    for (int j = 0; j < mapa.ny; ++j) {
        for (int i = 0; i < mapa.nx; ++i) {
            x[mapa.indice(i, j)] = mapa.x(i);
            y[mapa.indice(i, j)] = mapa.y(j);
        }
    }
    Totales t = totales_en_el_acuifero(campo, tiempo, x, y);
    if (t.error) throw *t.error;
    mapa.valores = std::move(t.valores);
}

}  // namespace abat
