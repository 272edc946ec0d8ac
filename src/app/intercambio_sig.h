#pragma once
// The study and the GIS: its coordinate reference system, wells and points imported from the
// spreadsheets and point layers where they live, and the map, its isolines and the results
// exported for GIS and CAD programs.

#include <optional>

#include "adaptadores/dialogos.h"
#include "app/asistente.h"
#include "app/ventanas.h"
#include "estudio/estudio.h"
#include "sig/importacion.h"
#include "sig/sistema_coordenadas.h"

namespace abat {

// "Sistema de coordenadas…": one of the systems used in Spain, any EPSG code typed, or none. A
// code that is not a projected system in metres is told, and nothing changes; true when the
// system changed.
bool elegir_sistema(Dialogos& dialogos, Sistema& sistema);

// "Importar…": the records of a spreadsheet (.xlsx, .ods, .csv) or a point layer (.gpkg, .shp,
// .geojson, .kml) for the window's table; a layer reprojected into `sistema` (a study without
// one takes the layer's, in the import's `sistema`). A file refused is told, and none is given.
// Features far outside the area of use of their system are told, with the choice to import them
// or not; a wells layer without diameters takes one the user gives for all its wells.
struct Importado {
    Importacion datos;
    QString archivo;  // the file's name, as the user is told what came from it
};
std::optional<Importado> importar(Dialogos& dialogos, const VentanaTabla& ventana, Registro tipo,
                                  const Sistema& sistema);
// The records imported, after the study's.
void agregar_importados(Estudio& estudio, Registro tipo,
                        const std::vector<std::vector<std::string>>& registros);
// "Se han añadido 3 pozos de «pozos.xlsx».", and the columns of its header left out.
void contar_importados(Dialogos& dialogos, const VentanaTabla& ventana, const Importado& importado);

// "Exportar a SIG…": the wells, the points with their results, the map's isolines at the time it
// shows and its grid, in `sistema`: a GeoPackage; the grid alone as GeoTIFF or ESRI ASCII grid;
// the isolines, wells and points as DXF. Needs the results of a calculation.
void exportar(Dialogos& dialogos, Asistente& asistente, const Sistema& sistema);

}  // namespace abat
