#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "model/errores.h"
#include "sig/archivos_sig.h"
#include "sig/exportacion.h"
#include "sig/referencia_espacial.h"

using namespace abat;
using namespace abat::prueba;

namespace {

Pozo pozo(const std::string& nombre, double diametro, double caudal, double x, double y) {
    return {nombre, diametro, {Lectura::numero, caudal}, x, y};
}

// A study in EPSG:25830: two wells named alike but for case, one injecting; a point with their
// shares; two isolines, one closed; a 4 × 3 grid with a node without value.
struct Estudio {
    std::vector<Pozo> pozos = {pozo("P1", 0.3, 0.015, 440100, 4470200),
                               pozo("p1", 0.4, -0.02, 440300.5, 4470250)};
    std::vector<Punto> puntos = {{"A", 440200, 4470210}};
    Resultados resultados{2, {1.5, -0.25}, {1.25}};
    CapasSig capas() const {
        // clang-format off
        CapasSig c{*leer_sistema("25830").sistema, pozos, puntos, 30, &resultados,
                   {30, {{0.5, {{440000, 4470000}, {440010, 4470007}}},
                         {1.5, {{440000, 4470100}, {440050, 4470100}, {440000, 4470100}}}}},
                   {440000, 4470000, 50, 40, 4, 3, {}}};
        // clang-format on
        for (int k = 0; k < 12; ++k) c.rejilla.valores.push_back(k == 5 ? NAN : 0.125 * k - 0.5);
        return c;
    }
};

// The study exported to the file that the path's extension names.
void exportar(const std::string& ruta, const CapasSig& c) {
    if (ruta.ends_with(".gpkg")) exportar_geopackage(ruta, c);
    if (ruta.ends_with(".tif")) exportar_geotiff(ruta, c.rejilla, c.sistema);
    if (ruta.ends_with(".asc")) exportar_asc(ruta, c.rejilla, c.sistema);
    if (ruta.ends_with(".dxf")) exportar_dxf(ruta, c);
}

// The study's system, to compare with what is read back: EPSG's code or the ESRI text of a .prj.
bool en_25830(const OGRSpatialReference* srs) {
    static const auto utm = referencia(*leer_sistema("25830").sistema);
    return srs != nullptr && srs->IsSame(utm.get()) != FALSE;
}

// The raster read back: each node's value at the centre of its pixel, north up, and the no-data
// value at the node without one; in the study's system.
void comprobar_raster(const std::string& ruta, const Rejilla& r, double tolerancia) {
    const Dataset d(GDALDataset::Open(ruta.c_str(), GDAL_OF_RASTER));
    ASSERT_TRUE(d && en_25830(d->GetSpatialRef())) << ruta;
    std::array<double, 6> t{};
    d->GetGeoTransform(t.data());
    EXPECT_EQ(t, (std::array{r.x0 - r.dx / 2, r.dx, 0.0, r.y(r.ny - 1) + r.dy / 2, 0.0, -r.dy}));
    GDALRasterBand* b = d->GetRasterBand(1);
    std::vector<double> v(r.valores.size());
    ASSERT_EQ(b->RasterIO(GF_Read, 0, 0, 4, 3, v.data(), 4, 3, GDT_Float64, 0, 0, nullptr), 0);
    for (int k = 0; k < 12; ++k) {
        const double esperado = std::isnan(r.valores[k]) ? b->GetNoDataValue() : r.valores[k];
        EXPECT_NEAR(v[r.indice(k % 4, 2 - k / 4)], esperado, tolerancia) << ruta << k;
    }
}

// A layer read back as text: its fields' names, then each feature's values and geometry.
std::vector<std::string> texto_de(OGRLayer* capa) {
    const OGRFeatureDefn& campos = *capa->GetLayerDefn();
    std::vector<std::string> texto(1);
    for (int i = 0; i < campos.GetFieldCount(); ++i)
        texto[0] += campos.GetFieldDefn(i)->GetNameRef() + std::string(";");
    for (const auto& f : *capa) {
        texto.emplace_back();
        for (int i = 0; i < f->GetFieldCount(); ++i)
            texto.back() += f->GetFieldAsString(i) + std::string(";");
        texto.back() += f->GetGeometryRef()->exportToWkt();
    }
    return texto;
}

}  // namespace

// Each file read back. The GeoPackage: its layers, their fields (the two wells' shares told
// apart), the features' values and places, the isolines at their levels, all in the study's
// system, and the raster (Float32). The raster alone: GeoTIFF exact, the ASCII grid to its 15
// digits with its .prj beside it, which an export without a system takes away. The DXF: each
// isoline a polyline at the height of its level, each well and point a point and its name.
TEST(ExportarSig, EachFileReadBack) {
    const Carpeta carpeta;
    const Estudio e;
    const CapasSig c = e.capas();
    for (const char* archivo : {"e.gpkg", "e.tif", "e.asc", "e.dxf"})
        exportar(carpeta / archivo, c);
    using Texto = std::vector<std::string>;
    EXPECT_EQ(carpeta.archivos(),
              (std::set<std::string>{"e.asc", "e.dxf", "e.gpkg", "e.prj", "e.tif"}));
    const Dataset gpkg(GDALDataset::Open((carpeta / "e.gpkg").c_str(), GDAL_OF_VECTOR));
    // clang-format off
    EXPECT_EQ(texto_de(gpkg->GetLayerByName("pozos")), (Texto{"nombre;diametro;caudal;",
        "P1;0.3;0.015;POINT (440100 4470200)", "p1;0.4;-0.02;POINT (440300.5 4470250.0)"}));
    EXPECT_EQ(texto_de(gpkg->GetLayerByName("puntos")), (Texto{"nombre;tiempo;abatimiento_total;Pozo P1[m];Pozo p1[m] (2);",
        "A;30;1.25;1.5;-0.25;POINT (440200 4470210)"}));
    EXPECT_EQ(texto_de(gpkg->GetLayerByName("isolineas")), (Texto{"abatimiento;tiempo;",
        "0.5;30;LINESTRING (440000 4470000,440010 4470007)",
        "1.5;30;LINESTRING (440000 4470100,440050 4470100,440000 4470100)"}));
    // clang-format on
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(en_25830(gpkg->GetLayer(i)->GetSpatialRef()));
    comprobar_raster(carpeta / "e.gpkg", c.rejilla, 1e-6);
    comprobar_raster(carpeta / "e.tif", c.rejilla, 0);
    comprobar_raster(carpeta / "e.asc", c.rejilla, 1e-14);
    exportar_asc(carpeta / "e.asc", c.rejilla, Sistema{});
    EXPECT_FALSE(std::filesystem::exists(carpeta / "e.prj"));

    Texto entidades;
    const Dataset dxf(GDALDataset::Open((carpeta / "e.dxf").c_str(), GDAL_OF_VECTOR));
    for (const auto& f : *dxf->GetLayer(0)) {
        const OGRGeometry* g = f->GetGeometryRef();
        const double z = g->getDimension() == 1 ? g->toLineString()->getZ(1) : g->toPoint()->getX();
        entidades.push_back(CPLSPrintf("%s %s %.12g", f->GetFieldAsString("Layer"),
                                       f->GetFieldAsString("Text"), z));
    }
    // clang-format off
    EXPECT_EQ(entidades, (Texto{"ISOLINEAS  0.5", "ISOLINEAS  1.5", "POZOS  440100", "POZOS P1 440100",
        "POZOS  440300.5", "POZOS p1 440300.5", "PUNTOS  440200", "PUNTOS A 440200"}));
    // clang-format on
}

// A field of as many wells as a GeoPackage table holds columns has a field per share; one more,
// and the shares go to the table "partes", a row per point and well, none lost.
TEST(ExportarSig, SharesBeyondTheColumnsOfATableGoToARowEach) {
    const Carpeta carpeta;
    for (const int pozos : {1995, 1996}) {
        Estudio e;
        e.pozos.clear();
        e.resultados = {static_cast<size_t>(pozos), {}, {1.25}};
        for (int k = 1; k <= pozos; ++k) {
            e.pozos.push_back(pozo("P" + std::to_string(k), 0.3, 0.01, 440000.0 + k, 4470000));
            e.resultados.partes.push_back(k / 1000.0);
        }
        const CapasSig c = e.capas();
        const std::string ruta = carpeta / (std::to_string(pozos) + ".gpkg");
        exportar_geopackage(ruta, c);
        const Dataset gpkg(GDALDataset::Open(ruta.c_str(), GDAL_OF_VECTOR));
        ASSERT_TRUE(gpkg) << pozos;
        OGRLayer* puntos = gpkg->GetLayerByName("puntos");
        OGRLayer* partes = gpkg->GetLayerByName("partes");
        const bool en_campos = pozos == 1995;
        EXPECT_EQ(puntos->GetLayerDefn()->GetFieldCount(), en_campos ? 3 + pozos : 3);
        EXPECT_EQ(partes == nullptr, en_campos);
        const auto punto = std::unique_ptr<OGRFeature>(puntos->GetNextFeature());
        EXPECT_EQ(punto->GetFieldAsDouble("abatimiento_total"), 1.25);
        if (en_campos) {
            EXPECT_EQ(punto->GetFieldAsDouble("Pozo P1995[m]"), 1.995);
            continue;
        }
        EXPECT_EQ(partes->GetFeatureCount(), pozos);
        partes->SetAttributeFilter("pozo = 'P1996'");
        const auto parte = std::unique_ptr<OGRFeature>(partes->GetNextFeature());
        ASSERT_TRUE(parte);
        EXPECT_EQ(std::string(parte->GetFieldAsString("punto")), "A");
        EXPECT_EQ(parte->GetFieldAsDouble("abatimiento"), 1.996);
    }
}

// A path that cannot be written (its folder missing, a file where a folder should be, a folder of
// its name): error 75 naming it and the cause, and no temporary file left, even where GDAL wrote
// the whole file.
TEST(ExportarSig, UnwritablePathLeavesNothing) {
    const Carpeta carpeta;
    const Estudio e;
    const CapasSig c = e.capas();
    std::ofstream(carpeta / "archivo") << "";  // where a folder should be
    for (const char* e : {".gpkg", ".tif", ".asc", ".dxf"}) {
        std::filesystem::create_directory(carpeta / "carpeta" + e);
        using Caso = std::pair<std::string, std::string>;
        for (const auto& [ruta, motivo] :
             {Caso{carpeta / "no/existe" + e, "No existe el directorio"},
              {carpeta / "archivo/dentro" + e, "Una parte de la ruta no es un directorio"},
              {carpeta / "carpeta" + e, "Es un directorio"}}) {
            try {
                exportar(ruta, c);
                ADD_FAILURE() << ruta;
            } catch (const ErrorCalculo& error) {
                EXPECT_EQ(std::tuple(error.numero(), error.ruta, error.motivo),
                          std::tuple(75, ruta, motivo));
            }
        }
    }
    const std::set<std::string> quedan = {"archivo", "carpeta.asc", "carpeta.dxf", "carpeta.gpkg",
                                          "carpeta.tif"};
    EXPECT_EQ(carpeta.archivos(), quedan);
}
