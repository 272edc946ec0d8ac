#pragma once
// The isolines of the drawdown map, traced by GDAL's contour generator.

#include <vector>

#include "model/rejilla.h"

namespace abat {

// The isolines of a grid at the levels given, ordered by level. Nodes without a value (NaN) are
// no data: lines end where they begin.
std::vector<Isolinea> trazar_isolineas(const Rejilla& rejilla, const std::vector<double>& niveles);

}  // namespace abat
