#include "escala_ejes.h"

#include <algorithm>
#include <cmath>

#include "errores.h"

namespace abat {
namespace {

// Tolerance for the rounding noise of binary fractions (1.5000000000000002 is 1.5).
constexpr double ruido = 1e-9;

struct Unidad {
    double mantisa;  // 1, 2 or 5
    int exponente;   // power of ten
    double valor() const { return multiplo(1); }
    // n units, computed so that decimal multiples come out as their nearest double.
    double multiplo(double n) const {
        const double m = n * mantisa;
        return exponente >= 0 ? m * std::pow(10.0, exponente) : m / std::pow(10.0, -exponente);
    }
};

Unidad unidad_para(double tramo) {
    const double minima = tramo / 10;
    int k = static_cast<int>(std::floor(std::log10(minima))) - 1;
    for (;; ++k) {
        for (const double m : {1.0, 2.0, 5.0}) {
            const Unidad u{m, k};
            if (u.valor() >= minima * (1 - ruido)) return u;
        }
    }
}

}  // namespace

EscalaEje escala_automatica(double menor, double mayor) {
    if (menor > mayor) std::swap(menor, mayor);
    if (menor == mayor) {
        if (menor == 0) {
            mayor = 1;
        } else if (menor > 0) {
            menor = 0;
        } else {
            mayor = 0;
        }
    }
    const double margen = (mayor - menor) / 20;
    double bajo = menor - margen;
    double alto = mayor + margen;
    if (menor >= 0 && menor < mayor * 5 / 6) bajo = 0;
    if (mayor <= 0 && mayor > menor * 5 / 6) alto = 0;

    if (!std::isfinite(alto - bajo)) throw ErrorCalculo(CodigoError::desbordamiento);
    const Unidad u = unidad_para(alto - bajo);
    const double n_bajo = std::floor(bajo / u.valor() + ruido);
    const double n_alto = std::ceil(alto / u.valor() - ruido);
    return {u.multiplo(n_bajo), u.multiplo(n_alto), u.valor()};
}

}  // namespace abat
