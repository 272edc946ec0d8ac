#include "equidistancia.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace abat {
namespace {

constexpr size_t minimo_de_lineas = 8;
// Beyond this many steps from zero, neighbouring multiples are no longer distinct doubles.
constexpr double mayor_multiplo = 0x1p52;

// A round interval: mantisa × 10^exponente, the mantissa in tenths (10, 20, 25 or 50). Each
// multiple is read from its decimal text, so that it is the double nearest to it (0.3, not
// 0.30000000000000004; 3e299, not 2.9999999999999998e299).
struct Paso {
    int mantisa;
    int exponente;

    double de(double k) const {
        const std::string texto =
            std::to_string(static_cast<long long>(k) * mantisa) + "e" + std::to_string(exponente);
        double valor = 0;
        const auto leido = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
        if (leido.ec == std::errc::result_out_of_range) {  // beyond a double's range, or below
            return exponente > 0 ? std::copysign(INFINITY, k) : 0.0;
        }
        return valor;
    }
    double valor() const { return de(1.0); }
    // The next smaller round interval.
    Paso menor() const {
        constexpr std::array<int, 4> mantisas = {10, 20, 25, 50};
        const auto* i = std::find(mantisas.begin(), mantisas.end(), mantisa);
        if (i == mantisas.begin()) return {50, exponente - 1};
        return {*(i - 1), exponente};
    }
};

std::vector<double> multiplos(double menor, double mayor, Paso paso) {
    const double p = paso.valor();
    std::vector<double> niveles;
    // One step of slack at each end: the quotients round, the levels are then kept or not.
    for (double k = std::ceil(menor / p) - 1; k <= std::floor(mayor / p) + 1; ++k) {
        const double nivel = paso.de(k);
        if (nivel >= menor && nivel <= mayor) niveles.push_back(nivel);
    }
    return niveles;
}

// The double nearest to `valor`'s 15 significant digits, written and read without the locale.
double en_15_cifras(double valor) {
    std::array<char, 32> texto{};
    const auto escrito = std::to_chars(texto.data(), texto.data() + texto.size(), valor,
                                       std::chars_format::general, 15);
    double leido = valor;
    std::from_chars(texto.data(), escrito.ptr, leido);
    return leido;
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
    for (double k = primero; k <= ultimo; ++k) niveles.push_back(en_15_cifras(k * intervalo));
    return niveles;
}

Equidistancia equidistancia(double menor, double mayor) {
    // Half the range first: the whole of it may not be a finite double.
    const double media_amplitud = mayor / 2 - menor / 2;
    if (!std::isfinite(media_amplitud) || media_amplitud <= 0) return {};
    // An interval of the range's order, that gives at most 2 levels, then smaller ones.
    const double orden = std::floor(std::log10(media_amplitud) + std::log10(2.0));
    Paso paso{10, static_cast<int>(orden) + 1};
    for (;; paso = paso.menor()) {
        const double p = paso.valor();
        if (p == 0 || std::max(std::abs(menor), std::abs(mayor)) / p > mayor_multiplo) return {};
        std::vector<double> niveles = multiplos(menor, mayor, paso);
        if (niveles.size() >= minimo_de_lineas) return {p, std::move(niveles)};
    }
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
