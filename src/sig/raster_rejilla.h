#pragma once
// A Rejilla as a GDAL raster. For the adapters' sources only.

#include <ogr_spatialref.h>

#include "model/rejilla.h"
#include "sig/gdal_comun.h"

namespace abat {

// The grid as a one-band raster in memory, north up, each node the centre of its pixel; nodes
// without a value hold `sin_dato`.
Dataset raster_de(const Rejilla& rejilla, GDALDataType tipo, double sin_dato);

// A value that no node holds, for files that mark nodes without one by a number: -9999, or
// failing that -99999, and so on.
double valor_sin_dato(const Rejilla& rejilla);

// The raster of a file: the grid's values with `sin_dato` for the nodes without one, the system's
// reference (or none) and the band's no-data value.
Dataset raster_para_archivo(const Rejilla& rejilla, GDALDataType tipo,
                            const OGRSpatialReference* srs);

}  // namespace abat
