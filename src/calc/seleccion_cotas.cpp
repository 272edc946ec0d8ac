#include "calc/seleccion_cotas.h"

#include <cmath>
#include <limits>

namespace abat {

size_t SeleccionPorCotas::exponente(double cota) {
    if (!(cota < std::numeric_limits<double>::infinity())) return exponentes;
    if (!(cota > 0)) return 0;
    const int e = std::ilogb(cota) + 1075;  // 1 to 2098 for positive finite bounds
    return static_cast<size_t>(e);
}

void SeleccionPorCotas::contar(double cota) {
    const size_t e = exponente(cota);
    if (e == exponentes) return;
    suma_[e] += cota;
    ++cuenta_[e];
}

double SeleccionPorCotas::decidir(double presupuesto) {
    double acumulado = 0;
    elegidas_ = 0;
    for (hasta_ = 0; hasta_ < exponentes; ++hasta_) {
        if (acumulado + suma_[hasta_] > presupuesto) break;
        acumulado += suma_[hasta_];
        elegidas_ += cuenta_[hasta_];
    }
    return acumulado;
}

bool SeleccionPorCotas::elegida(double cota) const {
    return exponente(cota) < hasta_;
}

}  // namespace abat
