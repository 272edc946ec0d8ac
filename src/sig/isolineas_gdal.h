#pragma once
// GDAL's contour generator over a grid: an independent reference against which the map's own
// isolines (chart/isolineas.h) are tested. No part of the program calls it; the module's table
// leaves it out.

#include <vector>

#include "model/rejilla.h"

namespace abat {

// GDAL's isolines of a grid at the levels given, ordered by level, cut to the cells whose four
// nodes have a value (see isolineas_gdal.cpp).
std::vector<Isolinea> isolineas_gdal(const Rejilla& rejilla, const std::vector<double>& niveles);

}  // namespace abat
