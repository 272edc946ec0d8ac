// The aquifer's boundaries in the GIS and CAD files: the GeoPackage's layer "limites" and the
// DXF's layer LIMITES, each line across the extent of what else the file holds.
#include <gtest/gtest.h>

#include <map>

#include "sig/archivos_sig.h"
#include "sig/exportacion.h"

using namespace abat;
using namespace abat::prueba;

TEST(ExportarLimites, EachLineAcrossTheExtentOfTheFile) {
    const Carpeta carpeta;
    const std::vector<Pozo> pozos = {{"P1", 0.3, {Lectura::numero, 0.01}, 100, 100}};
    const std::vector<Punto> puntos = {{"A", 400, 300}};
    const Resultados resultados{1, {0.5}, {0.5}};
    const std::vector<Limite> limites = {{TipoLimite::recarga, 0, 0, 0, 1},
                                         {TipoLimite::barrera, 0, 0, 1, 1}};
    CapasSig c{{}, pozos, puntos, 1, &resultados, {1, {}}, {-50, -50, 10, 10, 61, 41, {}}};
    c.rejilla.valores.assign(61 * 41, 0.25);
    c.limites = limites;
    exportar_geopackage(carpeta / "l.gpkg", c);
    exportar_dxf(carpeta / "l.dxf", c);
    // The extent: x from -50 to 550, y from -50 to 350, and a twentieth of 600 around.
    const Dataset g(GDALDataset::Open((carpeta / "l.gpkg").c_str(), GDAL_OF_VECTOR));
    ASSERT_TRUE(g);
    OGRLayer* capa = g->GetLayerByName("limites");
    ASSERT_NE(capa, nullptr);
    std::vector<std::string> vistos;
    for (const auto& f : *capa) {
        vistos.push_back(std::to_string(f->GetFieldAsInteger("linea")) + " " +
                         f->GetFieldAsString("tipo") + " " + f->GetGeometryRef()->exportToWkt());
    }
    EXPECT_EQ(vistos, (std::vector<std::string>{"1 recarga LINESTRING (0 -80,0 380)",
                                                "2 barrera LINESTRING (-80 -80,380 380)"}));
    const Dataset d(GDALDataset::Open((carpeta / "l.dxf").c_str(), GDAL_OF_VECTOR));
    ASSERT_TRUE(d);
    std::map<std::string, int> por_capa;
    for (const auto& f : *d->GetLayer(0)) {
        if (std::string(f->GetFieldAsString("Layer")) != "LIMITES") continue;
        ++por_capa[f->GetGeometryRef()->exportToWkt()];
    }
    EXPECT_EQ(por_capa, (std::map<std::string, int>{{"LINESTRING (0 -80,0 380)", 1},
                                                    {"LINESTRING (-80 -80,380 380)", 1}}));
    // Without boundaries, neither.
    c.limites = {};
    exportar_geopackage(carpeta / "sin.gpkg", c);
    const Dataset s(GDALDataset::Open((carpeta / "sin.gpkg").c_str(), GDAL_OF_VECTOR));
    EXPECT_EQ(s->GetLayerByName("limites"), nullptr);
}
