#pragma once
// The study and the GIS: its coordinate reference system, wells and points imported from the
// spreadsheets and point layers where they live, and the map, its isolines and the results
// exported for GIS and CAD programs.

#include "adaptadores/dialogos.h"
#include "app/asistente.h"
#include "app/ventanas.h"
#include "sig/importacion.h"
#include "sig/sistema_coordenadas.h"

namespace abat {

// "Sistema de coordenadas…": one of the systems used in Spain, any EPSG code typed, or none. A
// code that is not a projected system in metres is told, and nothing changes; true when the
// system changed.
bool elegir_sistema(Dialogos& dialogos, Sistema& sistema);

// "Importar…": the records of a spreadsheet (.xlsx, .ods, .csv) or a point layer (.gpkg, .shp,
// .geojson, .kml) appended to the window's table; a layer reprojected into `sistema`, which a
// study without one takes from the layer. A file refused is told, and nothing changes; true when
// records were appended.
bool importar(Dialogos& dialogos, VentanaTabla& ventana, Registro tipo, Sistema& sistema);

// "Exportar a SIG…": the wells, the points with their results, the map's isolines at the time it
// shows and its grid, in `sistema`: a GeoPackage; the grid alone as GeoTIFF or ESRI ASCII grid;
// the isolines, wells and points as DXF. Needs the results of a calculation.
void exportar(Dialogos& dialogos, Asistente& asistente, Ventanas& v, const Sistema& sistema);

}  // namespace abat
