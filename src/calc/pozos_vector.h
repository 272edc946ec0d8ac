#pragma once
// The wells (and their steps and images) as the engine's inner loops read them: one array per
// quantity, padded to a whole number of the widest vectors.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace abat {

// Wells are padded to a whole number of the widest fixed vectors (AVX-512); a scalable vector
// wider still takes the last wells through a copy.
inline constexpr size_t relleno_pozos = 16;

// u = r^2 * c. A u outside [u_min, u_max] is left to the exact path: its share is NaN. (Within a
// few units in the last place of u_cruce the engine's u may fall on the other side of it than the
// exact path's: the series and E1 meet there to one unit.)
struct EscalaU {
    double c = 0.0;
    double u_min = 0.0;
    double u_max = 0.0;
};

// The padding wells have no rate.
struct PozosVector {
    std::vector<double> x;       // m
    std::vector<double> y;       // m
    std::vector<double> r2_min;  // (diameter / 2)^2: nearer than the radius, the radius counts
    std::vector<double> k;       // rate / (4 pi T): the drawdown per unit of W, m
    // Each well's scale of u, for wells that began at different times (a pumping step, an image
    // of one); empty when every well shares the scale the loops are given.
    std::vector<double> c;
    std::vector<double> u_min;
    std::vector<double> u_max;
    // Of a leaky aquifer whose wells began at different times: each one's index among the
    // restrictions of the well function (funcion_hantush.h), one a time of start.
    std::vector<uint32_t> grupo;
    size_t n = 0;  // the real wells, first in the arrays

    // A well of the scale the loops are given, or of its own.
    void agregar(double x, double y, double r2_min, double k);
    void agregar(double x, double y, double r2_min, double k, const EscalaU& escala);
    // Once every well is in: the arrays padded with wells of no rate.
    void rellenar();
};

}  // namespace abat
