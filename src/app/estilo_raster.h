#pragma once
// The map's bands as the GeoPackage's style of its raster: the same levels and colours as the
// window draws.

#include "chart/dibujo_mapa.h"
#include "sig/estilos_qgis.h"

namespace abat {

EstiloRaster estilo_raster(const DibujoMapa& mapa);

}  // namespace abat
