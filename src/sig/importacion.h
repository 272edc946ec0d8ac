#pragma once
// Wells and points read from other programs' files through GDAL/OGR: spreadsheets and GIS point
// layers. Either every record is read or none: the first fault refuses the whole file, and the
// refusal says where and why, ending in "No se ha importado nada.".

#include <optional>
#include <string>
#include <vector>

#include "model/portapapeles.h"
#include "model/rechazo.h"
#include "sig/sistema_coordenadas.h"

namespace abat {

struct Importacion {
    // The cells of columns 1.. of each record, numbers as the add command stores them.
    std::vector<std::vector<std::string>> registros;
    // The layer's system, for a study that has none: the study takes it.
    std::optional<Sistema> sistema;
    // The columns a spreadsheet's header named that the table has not, left out.
    std::vector<std::string> ignoradas;
    // A wells layer without a diameter field: each record's diameter is empty, for the user to
    // give one for all of them.
    bool sin_diametro = false;
    // The records (by index) that land far outside the area of use of the system they are in
    // (area_de_uso.h), for the user to leave out or keep.
    std::vector<size_t> lejanos;
    std::string capa;  // a layer as messages name it: "La capa «pozos» de «a.gpkg»"
};

// The first sheet of a spreadsheet (.xlsx, .ods) or a .csv file, every cell as text, read by the
// rules of a paste into a table with these headers (portapapeles.h): a first row that names the
// columns is a header, in any order. Blank rows before the first are passed over; a refusal names
// the sheet, the row and the column as the spreadsheet numbers them.
// `encabezado`: how a first row is known for a header, as a paste knows it.
Resuelto<Importacion> importar_hoja(const std::string& ruta,
                                    const std::vector<std::string>& encabezados,
                                    Encabezado encabezado = Encabezado::repetido);

enum class Registro { pozo, punto };

// The features of a point layer (.gpkg, .shp, .geojson, .kml): a well's name, diameter, rate, x, y
// or a point's name, x, y, from fields named so in Spanish or English, case, accents and units
// aside (nombres_columnas.h), and from each feature's point; a wells layer may lack the diameter.
// Reprojected into the study's system when both have one; a study without one takes the layer's,
// which must then be projected in metres. Of several layers, the one named "pozos" or "puntos"
// for its kind, else the first.
Resuelto<Importacion> importar_capa(const std::string& ruta, Registro tipo, const Sistema& estudio);

}  // namespace abat
