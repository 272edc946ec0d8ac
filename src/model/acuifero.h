#pragma once
// The aquifer as every calculation and fit of the program takes it.

namespace abat {

struct Acuifero {
    double T = 0.0;  // transmissivity, m2/s
    double S = 0.0;  // storage coefficient
    bool operator==(const Acuifero&) const = default;
};

}  // namespace abat
