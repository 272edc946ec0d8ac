#pragma once
// A well's loss through its screen and gravel pack, C·Qⁿ: the water level inside a pumping well
// falls by it beyond the aquifer's drawdown at its radius. Jacob's n is 2; Rorabaugh's lies
// between 1.5 and 3.5.

#include <optional>
#include <vector>

#include "model/rechazo.h"
#include "model/registros.h"

namespace abat {

inline constexpr double n_minimo = 1.5;
inline constexpr double n_maximo = 3.5;

struct PerdidaPozo {
    double C = 0;  // sⁿ/m³ⁿ⁻¹
    double n = 2;
};

// The loss at rate Q [m3/s], m: C |Q|ⁿ, of the rate's sign.
double perdida_pozo(double C, double n, double Q);

// C a number not below 0 and n between n_minimo and n_maximo, a decimal comma read as the point;
// C empty: none. Refused, saying which and why.
Resuelto<std::optional<PerdidaPozo>> leer_perdida(const PerdidasTexto& p);

// Each well's (`textos` shorter than `pozos` when the last wells have none); or the first
// refusal, naming its well ("El pozo 3 «P3»: la C de …").
Resuelto<std::vector<std::optional<PerdidaPozo>>> admitir_perdidas(
    const std::vector<PerdidasTexto>& textos, const std::vector<Pozo>& pozos);

}  // namespace abat
