#pragma once
// What the GIS tests share: a folder of their own, and files written and read through GDAL itself.

#include <gtest/gtest.h>
#include <ogrsf_frmts.h>

#include <stdlib.h>

#include <filesystem>
#include <set>

#include "sig/gdal_comun.h"

namespace abat::prueba {

// A folder of the test's own, removed with what it holds when the test ends: a fresh name each
// time, as the suite runs in two locales at once.
struct Carpeta {
    const std::string ruta = nueva();
    static std::string nueva() {
        std::string plantilla = testing::TempDir() + "abat-sig-XXXXXX";
        if (mkdtemp(plantilla.data()) == nullptr) ADD_FAILURE() << "mkdtemp: " << plantilla;
        return plantilla;
    }
    ~Carpeta() { std::filesystem::remove_all(ruta); }
    std::string operator/(const std::string& nombre) const { return ruta + "/" + nombre; }
    std::set<std::string> archivos() const {
        std::set<std::string> nombres;
        for (const auto& e : std::filesystem::directory_iterator(ruta))
            nombres.insert(e.path().filename());
        return nombres;
    }
};

struct Elemento {
    std::vector<std::string> valores;  // an empty one leaves its field unset
    std::string wkt;
};

// A layer written by GDAL's driver, in the EPSG system given (0: none).
inline void escribir_capa(const std::string& ruta, const char* driver, int epsg,
                          const std::vector<std::pair<std::string, OGRFieldType>>& campos,
                          const std::vector<Elemento>& elementos, const char* nombre = "pozos") {
    const SesionGdal sesion;
    OGRSpatialReference srs;
    srs.importFromEPSG(epsg);
    srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);  // x east, y north in the WKT given
    GDALDriver* formato = GetGDALDriverManager()->GetDriverByName(driver);
    const Dataset d(formato->Create(ruta.c_str(), 0, 0, 0, GDT_Unknown, nullptr));
    OGRLayer* capa = d->CreateLayer(nombre, epsg != 0 ? &srs : nullptr, wkbUnknown, nullptr);
    for (const auto& [campo, tipo] : campos) {
        OGRFieldDefn definicion(campo.c_str(), tipo);
        capa->CreateField(&definicion);
    }
    for (const Elemento& e : elementos) {
        OGRFeature f(capa->GetLayerDefn());
        for (size_t i = 0; i < e.valores.size(); ++i) {
            if (!e.valores[i].empty()) f.SetField(static_cast<int>(i), e.valores[i].c_str());
        }
        OGRGeometry* g = nullptr;
        OGRGeometryFactory::createFromWkt(e.wkt.c_str(), nullptr, &g);
        f.SetGeometryDirectly(g);
        EXPECT_EQ(capa->CreateFeature(&f), OGRERR_NONE);
    }
}

}  // namespace abat::prueba
