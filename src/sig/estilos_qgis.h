#pragma once
// QGIS's styles of the GeoPackage's layers, so that QGIS opens the file looking like the
// program's map: the raster in the map's bands and colours, the isolines labelled with their
// level, the wells (pumping red, stopped grey, injecting blue, by their rate at the file's time)
// and the points labelled with their names. Kept
// as QGIS keeps a layer's default style in a GeoPackage: a row of its table "layer_styles" each,
// the style as a QML document.

#include <cstdint>
#include <string>
#include <vector>

class GDALDataset;  // GDAL's, kept out of the headers that include this one

namespace abat {

// One band of the map's raster, or one stop of a continuous ramp (desde = hasta).
struct ClaseRaster {
    double desde = 0.0;  // m
    double hasta = 0.0;
    std::uint32_t rgb = 0;  // 0xRRGGBB
};

struct EstiloRaster {
    std::vector<ClaseRaster> clases;  // from the least value up; none: no style for the raster
    bool continuo = false;            // the colours interpolated between the stops
};

// The QML documents, as QGIS reads them.
std::string qml_raster(const EstiloRaster& estilo);
std::string qml_isolineas();
std::string qml_pozos();
std::string qml_puntos();
std::string qml_limites();

// Adds the table "layer_styles" to the GeoPackage `d` being written, in its open transaction, with
// the default style of its layers "pozos", "puntos", "isolineas" and "limites" (where there is one)
// and, when it has classes, of its raster "abatimiento" (whose table may come after). False when
// GDAL cannot.
bool escribir_estilos(GDALDataset& d, const EstiloRaster& raster);

}  // namespace abat
