#pragma once
// Between the study's Sistema and GDAL's spatial references. For the adapters' sources only.

#include <ogr_spatialref.h>

#include <memory>
#include <optional>
#include <string>

#include "sig/sistema_coordenadas.h"

namespace abat {

// The system's reference, x east and y north whatever EPSG's axis order; none for no system.
std::unique_ptr<OGRSpatialReference> referencia(const Sistema& sistema);

// Why a reference cannot be a study's system (not projected, or not in metres), in Spanish;
// empty when it can.
std::string motivo_rechazo(const OGRSpatialReference& srs, const std::string& nombre);

// The reference as a Sistema, when EPSG names it.
std::optional<Sistema> sistema_de(const OGRSpatialReference& srs);

}  // namespace abat
