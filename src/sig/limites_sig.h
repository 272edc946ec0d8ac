#pragma once
// What the GIS and CAD files span, and the aquifer's boundaries as their features: a line has no
// end, a layer's feature must.

#include <array>
#include <optional>

#include "model/geometria.h"
#include "sig/exportacion.h"

namespace abat {

// The box of all a file holds: the wells, the points, the isolines, the raster's nodes and the
// two points each boundary was given by; none when it holds nothing.
std::optional<Caja> extension_de(const CapasSig& capas);

// A boundary's line across the file's extension with its margin: its two ends x1, y1, x2, y2.
std::optional<std::array<double, 4>> trazo_limite(const Lado& lado, const Caja& extension);

}  // namespace abat
