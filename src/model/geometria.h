#pragma once
// Boxes and straight lines in plan.

#include <array>
#include <optional>

namespace abat {

// A box in plan, m: what the map shows, what its far sources are interpolated over, what a GIS
// file's lines reach across.
struct Caja {
    double xmin = 0.0;
    double xmax = 1.0;
    double ymin = 0.0;
    double ymax = 1.0;
    double ancho() const { return xmax - xmin; }
    double alto() const { return ymax - ymin; }
    bool operator==(const Caja&) const = default;
};

// The box grown to hold (x, y).
Caja abarcar(Caja caja, double x, double y);

// The room left round what a box holds, so that nothing runs along its edge: a twentieth of its
// larger side, of a metre at least.
double margen(const Caja& caja);

// The part inside the box of the whole line through (x1, y1) and (x2, y2): its ends x1, y1, x2,
// y2; none when the line misses it.
std::optional<std::array<double, 4>> tramo_en_caja(double x1, double y1, double x2, double y2,
                                                   const Caja& caja);

}  // namespace abat
