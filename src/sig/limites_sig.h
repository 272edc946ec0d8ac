#pragma once
// The aquifer's boundaries as the GIS and CAD files draw them: each line's stretch across the
// extent of what else the file holds (the wells, the points, the raster) and of its own two points,
// a twentieth wider; a line has no end, a layer's feature must.

#include <array>
#include <vector>

#include "sig/exportacion.h"

namespace abat {

struct TrazoLimite {
    int linea;                       // its row, from 1
    const char* tipo;                // "recarga" or "barrera"
    std::array<double, 4> extremos;  // x1, y1, x2, y2
};

std::vector<TrazoLimite> trazos_limites(const CapasSig& capas);

}  // namespace abat
