#pragma once
// The drawdown map and the study's wells and points written for GIS and CAD programs through
// GDAL/OGR. Each file is written whole or not at all: into a temporary file beside it, renamed
// once GDAL has closed it. A file that cannot be written raises ErrorCalculo::de_acceso(ruta) and
// leaves no temporary file behind.

#include <span>
#include <string>
#include <vector>

#include "model/registros.h"
#include "model/rejilla.h"
#include "sig/estilos_qgis.h"
#include "sig/sistema_coordenadas.h"

namespace abat {

struct IsolineasSig {
    double tiempo = 0.0;  // days
    std::vector<Isolinea> lineas;
};

// The water level inside a well at the results' time, m: its own drawdown at its radius, the
// interference of the others, its loss through the screen and the total; NaN where it has none.
struct NivelSig {
    double propio;
    double interferencia;
    double perdidas;
    double total;
};

// Everything a GeoPackage holds, in one system (or none): the records the calculation read and
// its results as numbers.
struct CapasSig {
    Sistema sistema;
    std::span<const Pozo> pozos;
    std::span<const Punto> puntos;
    double tiempo = 0.0;  // of the results, days
    // Each point's total and each well's share, as the results table gives them.
    const Resultados* resultados = nullptr;
    IsolineasSig isolineas;
    Rejilla rejilla;  // no raster when it has no nodes
    // The aquifer's boundaries: none, and no layer of them, without boundaries.
    std::span<const Lado> limites = {};
    // Each well's pumping steps after its own rate, as DatosCalculo::etapas holds them.
    std::span<const std::vector<Etapa>> etapas = {};
    // Each well's water level, one a well; none, and no fields of it, when not given.
    std::span<const NivelSig> niveles = {};
};

// A GeoPackage (.gpkg): the layers "pozos" (points: nombre, diametro, caudal at the isolines'
// time, that tiempo in days, and etapas, a schedule's steps in words, empty without; with the
// levels, nivel_propio, nivel_interferencia, nivel_perdidas and nivel_total), "puntos"
// (points: nombre, tiempo, abatimiento_total and one field per well's share), "isolineas" (lines:
// abatimiento in m, tiempo in days), with boundaries "limites" (lines: linea, its row from 1, and
// tipo, "recarga" or "barrera"; each line across the extent of the wells, points, raster and its
// own two points) and the raster "abatimiento" (the grid; Float32, the widest
// that a GeoPackage raster holds). A field of more wells than a table holds columns (1,995) has
// the shares in the table "partes" instead (punto, pozo, abatimiento: a row per point and well,
// the well by its name as in "pozos"). QGIS's default styles of the layers come with them, the
// raster's in the classes of `raster` (see estilos_qgis.h), and that one also as a .qml file of
// the same name beside it, where QGIS 3.22 reads a raster's; an old one goes when there is none.
void exportar_geopackage(const std::string& ruta, const CapasSig& capas,
                         const EstiloRaster& raster = {});

// The grid alone, Float64: GeoTIFF (.tif), or ESRI ASCII grid (.asc, with a .prj beside it when
// the study has a system). Nodes without a value hold the band's no-data value.
void exportar_geotiff(const std::string& ruta, const Rejilla& rejilla, const Sistema& sistema);
void exportar_asc(const std::string& ruta, const Rejilla& rejilla, const Sistema& sistema);

// For CAD (.dxf): the isolines as 3D polylines at the height of their drawdown on the layer
// ISOLINEAS, the wells and the points with their names on the layers POZOS and PUNTOS, and the
// boundaries, as the GeoPackage's, on the layer LIMITES.
void exportar_dxf(const std::string& ruta, const CapasSig& capas);

}  // namespace abat
