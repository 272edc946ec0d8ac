// The aquifer's boundaries in the GIS and CAD files: the GeoPackage's layer "limites" and the
// DXF's layer LIMITES, each line across the extent of what else the file holds; and a well's
// schedule in the GeoPackage's wells.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "sig/archivos_sig.h"
#include "sig/exportacion.h"

using namespace abat;
using namespace abat::prueba;

TEST(ExportarLimites, EachLineAcrossTheExtentOfTheFile) {
    const Carpeta carpeta;
    const std::vector<Pozo> pozos = {{"P1", 0.3, {Lectura::numero, 0.01}, 100, 100}};
    const std::vector<Punto> puntos = {{"A", 400, 300}};
    // Only the line and its row go to the files; the aquifer's side is the drawings'.
    const std::vector<Lado> limites = {{{TipoLimite::recarga, 0, 0, 0, 1}, 1},
                                       {{TipoLimite::barrera, 0, 0, 1, 1}, 2}};
    const Resultados r{1, {0.5}, {0.5}};
    CapasSig c{{}, pozos, puntos, 1, &r, {1, {}}, {-50, -50, 10, 10, 61, 41, {}}};
    c.rejilla.valores.assign(61 * 41, 0.25);
    c.limites = limites;
    exportar_geopackage(carpeta / "l.gpkg", c);
    exportar_dxf(carpeta / "l.dxf", c);
    // The extent: x from -50 to 550, y from -50 to 350, and a twentieth of 600 around.
    const Dataset g(GDALDataset::Open((carpeta / "l.gpkg").c_str(), GDAL_OF_VECTOR));
    OGRLayer* capa = g ? g->GetLayerByName("limites") : nullptr;
    ASSERT_NE(capa, nullptr);
    const std::string uno = "LINESTRING (0 -80,0 380)", dos = "LINESTRING (-80 -80,380 380)";
    std::vector<std::string> vistos, en_dxf;
    for (const auto& f : *capa)
        vistos.push_back(std::to_string(f->GetFieldAsInteger("linea")) + " " +
                         f->GetFieldAsString("tipo") + " " + f->GetGeometryRef()->exportToWkt());
    EXPECT_EQ(vistos, (std::vector<std::string>{"1 recarga " + uno, "2 barrera " + dos}));
    // Its default style in QGIS as the chart draws them: a recharge line blue, a barrier dark grey.
    OGRLayer* estilos = g->GetLayerByName("layer_styles");
    estilos->SetAttributeFilter("f_table_name = 'limites'");
    const std::unique_ptr<OGRFeature> estilo(estilos->GetNextFeature());
    const std::string qml = estilo ? estilo->GetFieldAsString("styleQML") : "";
    for (const char* dicho : {"&quot;tipo&quot; = 'recarga'", "31,120,180,255", "64,64,64,255"})
        EXPECT_NE(qml.find(dicho), std::string::npos) << dicho;
    const Dataset d(GDALDataset::Open((carpeta / "l.dxf").c_str(), GDAL_OF_VECTOR));
    ASSERT_TRUE(d);
    for (const auto& f : *d->GetLayer(0)) {
        if (f->GetFieldAsString("Layer") == std::string("LIMITES"))
            en_dxf.push_back(f->GetGeometryRef()->exportToWkt());
    }
    std::sort(en_dxf.begin(), en_dxf.end());
    EXPECT_EQ(en_dxf, (std::vector<std::string>{dos, uno}));
    // Without boundaries, neither.
    c.limites = {};
    exportar_geopackage(carpeta / "sin.gpkg", c);
    const Dataset s(GDALDataset::Open((carpeta / "sin.gpkg").c_str(), GDAL_OF_VECTOR));
    EXPECT_EQ(s->GetLayerByName("limites"), nullptr);
    s->GetLayerByName("layer_styles")->SetAttributeFilter("f_table_name = 'limites'");
    EXPECT_EQ(s->GetLayerByName("layer_styles")->GetFeatureCount(), 0);
}

// The wells layer holds each well at the time of the isolines: a well stopped at day 1 has a rate
// of 0 at day 1.5, its schedule in words beside it, and QGIS draws it as stopped.
TEST(ExportarLimites, UnPozoParadoASuTiempo) {
    const Carpeta carpeta;
    const std::vector<Pozo> pozos = {{"P1", 0.3, {Lectura::numero, 0.01}, 100, 100},
                                     {"P2", 0.3, {Lectura::numero, 0.02}, 300, 100}};
    const std::vector<std::vector<Etapa>> etapas = {{{1, {Lectura::numero, 0}}}};
    const Resultados r{2, {0.5, 0.2}, {0.7}};
    const std::vector<Punto> puntos = {{"A", 400, 300}};
    CapasSig c{{}, pozos, puntos, 1, &r, {1.5, {}}, {}};
    c.etapas = etapas;
    exportar_geopackage(carpeta / "e.gpkg", c);
    const Dataset g(GDALDataset::Open((carpeta / "e.gpkg").c_str(), GDAL_OF_VECTOR));
    ASSERT_TRUE(g);
    std::vector<std::string> vistos;
    for (const auto& f : *g->GetLayerByName("pozos")) {
        std::string visto;  // one field at a time: OGR reuses the text of a number
        for (const char* campo : {"caudal", "tiempo", "etapas"})
            visto += std::string(visto.empty() ? "" : " ") + f->GetFieldAsString(campo);
        vistos.push_back(visto);
    }
    EXPECT_EQ(vistos,
              (std::vector<std::string>{
                  "0 1.5 desde el día 0: 0.01 m3/s; desde el día 1: 0 m3/s, parado", "0.02 1.5 "}));
    OGRLayer* estilos = g->GetLayerByName("layer_styles");
    estilos->SetAttributeFilter("f_table_name = 'pozos'");
    const std::unique_ptr<OGRFeature> estilo(estilos->GetNextFeature());
    EXPECT_NE(std::string(estilo->GetFieldAsString("styleQML")).find("&quot;caudal&quot; = 0"),
              std::string::npos);
}
