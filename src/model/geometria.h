#pragma once
// Straight lines in plan.

#include <array>
#include <optional>

namespace abat {

// The part inside the rectangle of the whole line through (x1, y1) and (x2, y2): its ends x1, y1,
// x2, y2; none when the line misses it.
std::optional<std::array<double, 4>> tramo_en_rectangulo(double x1, double y1, double x2, double y2,
                                                         double xmin, double xmax, double ymin,
                                                         double ymax);

}  // namespace abat
