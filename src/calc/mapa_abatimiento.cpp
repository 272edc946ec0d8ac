#include "calc/mapa_abatimiento.h"

namespace abat {

void abatimiento_rejilla(const CampoPozos& campo, double tiempo, Rejilla& mapa) {
    if (mapa.nx <= 0 || mapa.ny <= 0) {
        mapa.valores.clear();
        return;
    }
    Totales t = campo.totales_rejilla(tiempo, mapa);
    if (t.error) throw *t.error;
    mapa.valores = std::move(t.valores);
}

}  // namespace abat
