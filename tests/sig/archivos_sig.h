#pragma once
// What the GIS tests share: a folder of their own, and files written and read through GDAL itself.

#include <gtest/gtest.h>
#include <ogrsf_frmts.h>

#include "sig/gdal_comun.h"
#include "support/carpeta.h"

namespace abat::prueba {

// A feature: its fields' values (an empty one leaves its field unset) and its geometry's WKT.
using Elemento = std::pair<std::vector<std::string>, std::string>;

using Campos = std::vector<std::pair<std::string, OGRFieldType>>;  // names and types

// A layer written by GDAL's driver, in the EPSG system given (0: none), x east and y north.
inline void escribir_capa(std::string ruta, const char* driver, int epsg, const Campos& campos,
                          const std::vector<Elemento>& elementos, const char* nombre = "pozos") {
    const SesionGdal sesion;
    OGRSpatialReference srs;
    srs.importFromEPSG(epsg);
    srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    const Dataset d(GetGDALDriverManager()->GetDriverByName(driver)->Create(ruta.c_str(), 0, 0, 0,
                                                                            GDT_Unknown, nullptr));
    OGRLayer* capa = d->CreateLayer(nombre, epsg != 0 ? &srs : nullptr, wkbUnknown, nullptr);
    for (const auto& [campo, tipo] : campos)
        capa->CreateField(std::make_unique<OGRFieldDefn>(campo.c_str(), tipo).get());
    for (const auto& [valores, wkt] : elementos) {
        OGRFeature f(capa->GetLayerDefn());
        for (size_t i = 0; i < valores.size(); ++i)
            if (!valores[i].empty()) f.SetField(static_cast<int>(i), valores[i].c_str());
        OGRGeometry* g = nullptr;
        OGRGeometryFactory::createFromWkt(wkt.c_str(), nullptr, &g);
        f.SetGeometryDirectly(g);
        EXPECT_EQ(capa->CreateFeature(&f), OGRERR_NONE);
    }
}

}  // namespace abat::prueba
