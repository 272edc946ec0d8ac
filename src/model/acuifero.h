#pragma once
// The aquifer as every calculation and fit of the program takes it.

#include <optional>

namespace abat {

struct Acuifero {
    // Not an aggregate: a record that holds one, such as a calculation's data, is never filled
    // past it by brace elision ({T, S, tiempo, ...} would put the time into c).
    Acuifero() = default;
    Acuifero(double t, double s, std::optional<double> resistencia = std::nullopt)
        : T(t), S(s), c(resistencia) {}

    double T = 0.0;  // transmissivity, m2/s
    double S = 0.0;  // storage coefficient
    // The resistance of the aquitard through which a leaky aquifer is fed, days; none: the
    // aquifer is confined.
    std::optional<double> c = std::nullopt;
    bool operator==(const Acuifero&) const = default;
};

}  // namespace abat
