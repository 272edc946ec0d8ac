#pragma once
// The GIS functions as the module that holds them gives them out. GDAL and its dozens of
// libraries take some 27 MB of memory as soon as they are loaded: the program loads the module,
// and GDAL with it, the first time the user asks for something of a GIS (a coordinate system, an
// import, an export), never at its start; the map traces its own isolines (chart/isolineas.h).

#include <string>
#include <string_view>
#include <vector>

#include "sig/exportacion.h"
#include "sig/importacion.h"
#include "sig/sistema_coordenadas.h"

namespace abat {

// One entry a GIS function; the module and the program are built from the same sources, so the
// table and its users cannot part.
struct FuncionesSig {
    decltype(&::abat::sistemas_ofrecidos) sistemas_ofrecidos;
    decltype(&::abat::etiqueta) etiqueta;
    decltype(&::abat::leer_sistema) leer_sistema;
    decltype(&::abat::importar_hoja) importar_hoja;
    decltype(&::abat::importar_capa) importar_capa;
    decltype(&::abat::exportar_geopackage) exportar_geopackage;
    decltype(&::abat::exportar_geotiff) exportar_geotiff;
    decltype(&::abat::exportar_asc) exportar_asc;
    decltype(&::abat::exportar_dxf) exportar_dxf;
};

}  // namespace abat

// The one symbol the module shows.
extern "C" const abat::FuncionesSig* abat_funciones_sig();
