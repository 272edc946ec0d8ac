#include "chart/escala_ejes.h"

#include <algorithm>
#include <cmath>

#include "chart/numeros_redondos.h"
#include "model/errores.h"

namespace abat {
namespace {

// Tolerance for the rounding noise of binary fractions (1.5000000000000002 is 1.5).
constexpr double ruido = 1e-9;
// A span this small against the values (or than 1 m below 1 m) draws no usable axis, and chart
// engines cannot label it: spreading it like equal values keeps the unit far above the values'
// own rounding, so every tick is a distinct number.
constexpr double tramo_minimo = 1e-9;

// The smallest of 1, 2 or 5 x 10^k that is at least a tenth of the span.
Redondo unidad_para(double tramo) {
    return redondo_no_menor(tramo / 10 * (1 - ruido), Serie::uno_dos_cinco);
}

// Equal values are spread to the range from 0 to the value; values too close to 0 to tell from
// it count as 1 (or -1), so all zeros give 0 to 1. The data stay within the range.
void separar_iguales(double& menor, double& mayor) {
    double valor = std::fabs(mayor) >= std::fabs(menor) ? mayor : menor;
    if (std::fabs(valor) <= tramo_minimo) valor = valor < 0 ? -1.0 : 1.0;
    menor = std::min({menor, valor, 0.0});
    mayor = std::max({mayor, valor, 0.0});
}

bool casi_iguales(double menor, double mayor) {
    const double tamano = std::max({std::fabs(menor), std::fabs(mayor), 1.0});
    return mayor - menor <= tramo_minimo * tamano;
}

}  // namespace

EscalaEje escala_automatica(double menor, double mayor) {
    if (!std::isfinite(menor) || !std::isfinite(mayor)) {
        throw ErrorCalculo(CodigoError::desbordamiento, Causa::extension);
    }
    if (menor > mayor) std::swap(menor, mayor);
    if (casi_iguales(menor, mayor)) separar_iguales(menor, mayor);
    const double margen = (mayor - menor) / 20;
    double bajo = menor - margen;
    double alto = mayor + margen;
    if (menor >= 0 && menor < mayor * 5 / 6) bajo = 0;
    if (mayor <= 0 && mayor > menor * 5 / 6) alto = 0;

    if (!std::isfinite(alto - bajo))
        throw ErrorCalculo(CodigoError::desbordamiento, Causa::extension);
    const Redondo u = unidad_para(alto - bajo);
    const double n_bajo = std::floor(bajo / u.valor() + ruido);
    const double n_alto = std::ceil(alto / u.valor() - ruido);
    // + 0.0 turns a limit of -0 into 0, which an axis labels "0".
    const EscalaEje escala{u.multiplo(n_bajo) + 0.0, u.multiplo(n_alto) + 0.0, u.valor()};
    if (!std::isfinite(escala.maximo - escala.minimo)) {
        throw ErrorCalculo(CodigoError::desbordamiento, Causa::extension);
    }
    return escala;
}

}  // namespace abat
