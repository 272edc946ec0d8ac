#include "chart/numeros_redondos.h"

#include "model/numeros.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <span>
#include <string>

namespace abat {
namespace {

constexpr std::array<int, 3> de_125 = {10, 20, 50};
constexpr std::array<int, 4> de_1225 = {10, 20, 25, 50};

std::span<const int> mantisas(Serie serie) {
    if (serie == Serie::uno_dos_cinco) return de_125;
    return de_1225;
}

// Where `mantisa` stands in its series; the first when it is not of it.
size_t lugar(std::span<const int> m, int mantisa) {
    for (size_t i = 0; i < m.size(); ++i) {
        if (m[i] == mantisa) return i;
    }
    return 0;
}

// Beyond this, a whole number times a mantissa is no longer exact in a double.
constexpr double mayor_exacto = 0x1p53;

}  // namespace

double Redondo::multiplo(double k) const {
    const double entero = k * mantisa;
    if (!(std::fabs(entero) < mayor_exacto)) return entero * std::pow(10.0, exponente - 1);
    return numero_decimal(static_cast<long long>(entero), exponente - 1);
}

Redondo siguiente(Redondo r, Serie serie) {
    const auto m = mantisas(serie);
    const size_t i = lugar(m, r.mantisa);
    if (i + 1 == m.size()) return {m.front(), r.exponente + 1};
    return {m[i + 1], r.exponente};
}

Redondo anterior(Redondo r, Serie serie) {
    const auto m = mantisas(serie);
    const size_t i = lugar(m, r.mantisa);
    if (i == 0) return {m.back(), r.exponente - 1};
    return {m[i - 1], r.exponente};
}

// From a power of ten below `x`, up the series: a few steps at most.
Redondo redondo_no_menor(double x, Serie serie) {
    Redondo r{10, static_cast<int>(std::floor(std::log10(x))) - 1};
    while (r.valor() < x) r = siguiente(r, serie);
    return r;
}

Redondo redondo_no_mayor(double x, Serie serie) {
    Redondo r{10, static_cast<int>(std::floor(std::log10(x))) + 2};
    while (r.valor() > x) r = anterior(r, serie);
    return r;
}

}  // namespace abat
