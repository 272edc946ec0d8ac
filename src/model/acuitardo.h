#pragma once
// The aquitard above a leaky aquifer: its resistance c as the user types it, and the leakage
// factor B = √(T·c) it gives with the aquifer's transmissivity.

#include <optional>
#include <string>
#include <string_view>

#include "model/rechazo.h"

namespace abat {

// The box's label, which names it in every refusal.
inline constexpr const char* etiqueta_resistencia = "Resistencia del acuitardo c [días]";

// The resistance typed, in days: none for an empty box (a confined aquifer); refused, saying
// why, for a text that is not a number under the strict rule, a number beyond a double, zero or
// a negative number.
Resuelto<std::optional<double>> leer_resistencia(std::string_view texto);

// B = √(T·c) in metres, with T in m²/s and c in days; none unless both are positive and finite.
std::optional<double> factor_goteo(double T, double c_dias);

// "Factor de goteo B = √(T·c) = 194.8 m", B to four significant digits.
std::string texto_factor_goteo(double B);

}  // namespace abat
