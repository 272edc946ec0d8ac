#include "chart/equidistancia.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "chart/numeros_redondos.h"
#include "model/numeros.h"

namespace abat {
namespace {

constexpr size_t minimo_de_lineas = 8;
// The lines an interval shown before may draw and be kept.
constexpr size_t minimo_conservado = 6;
constexpr size_t maximo_conservado = 20;
// Beyond this many steps from zero, neighbouring multiples are no longer distinct doubles.
constexpr double mayor_multiplo = 0x1p52;

std::vector<double> multiplos(double menor, double mayor, Redondo paso) {
    const double p = paso.valor();
    std::vector<double> niveles;
    // One step of slack at each end: the quotients round, the levels are then kept or not.
    for (double k = std::ceil(menor / p) - 1; k <= std::floor(mayor / p) + 1; ++k) {
        const double nivel = paso.multiplo(k);
        if (nivel >= menor && nivel <= mayor) niveles.push_back(nivel);
    }
    return niveles;
}

}  // namespace

std::vector<double> multiplos_de(double menor, double mayor, double intervalo, size_t maximo) {
    if (!(intervalo > 0) || !std::isfinite(intervalo) || !std::isfinite(menor) ||
        !std::isfinite(mayor) || menor > mayor ||
        std::max(std::abs(menor), std::abs(mayor)) / intervalo > mayor_multiplo) {
        return {};
    }
    const double primero = std::ceil(menor / intervalo);
    const double ultimo = std::floor(mayor / intervalo);
    if (!(ultimo - primero < static_cast<double>(maximo))) return {};
    std::vector<double> niveles;
    for (double k = primero; k <= ultimo; ++k)
        niveles.push_back(redondear_cifras(k * intervalo, 15));
    return niveles;
}

Equidistancia equidistancia(double menor, double mayor) {
    // Half the range first: the whole of it may not be a finite double.
    const double media_amplitud = mayor / 2 - menor / 2;
    if (!std::isfinite(media_amplitud) || media_amplitud <= 0) return {};
    // An interval of the range's order, that gives at most 2 levels, then smaller ones.
    const double orden = std::floor(std::log10(media_amplitud) + std::log10(2.0));
    Redondo paso{10, static_cast<int>(orden) + 2};
    for (;; paso = anterior(paso, Serie::uno_dos_dos_y_medio_cinco)) {
        const double p = paso.valor();
        if (p == 0 || std::max(std::abs(menor), std::abs(mayor)) / p > mayor_multiplo) return {};
        std::vector<double> niveles = multiplos(menor, mayor, paso);
        if (niveles.size() >= minimo_de_lineas) return {p, std::move(niveles)};
    }
}

Equidistancia equidistancia(double menor, double mayor, double anterior) {
    if (anterior > 0) {
        std::vector<double> niveles = multiplos_de(menor, mayor, anterior, maximo_conservado);
        if (niveles.size() >= minimo_conservado) return {anterior, std::move(niveles)};
    }
    return equidistancia(menor, mayor);
}

Equidistancia equidistancia(const Rejilla& rejilla) {
    double menor = std::numeric_limits<double>::infinity();
    double mayor = -menor;
    for (const double v : rejilla.valores) {
        if (std::isnan(v)) continue;
        menor = std::min(menor, v);
        mayor = std::max(mayor, v);
    }
    return equidistancia(menor, mayor);
}

}  // namespace abat
