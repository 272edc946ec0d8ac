// The study exported to the GIS files, each read back through GDAL: values as the engine gave
// them, in the study's system, and QGIS's styles in the GeoPackage.
#include <gtest/gtest.h>

#include <QString>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>

#include "model/errores.h"
#include "sig/archivos_sig.h"
#include "sig/exportacion.h"
#include "sig/referencia_espacial.h"
#include "support/casos.h"

using namespace abat;
using namespace abat::prueba;

namespace {

using Texto = std::vector<std::string>;

Pozo pozo(const std::string& nombre, double diametro, double caudal, double x, double y) {
    return {nombre, diametro, {Lectura::numero, caudal}, x, y};
}

// A study in EPSG:25830: two wells named alike but for case, one injecting; a point with their
// shares; two isolines, one closed; a 4 × 3 grid with a node without value.
const std::vector<Pozo> pozos = {pozo("P1", 0.3, 0.015, 440100, 4470200),
                                 pozo("p1", 0.4, -0.02, 440300.5, 4470250)};
const std::vector<Punto> puntos = {{"A", 440200, 4470210}};
const Resultados resultados{2, {1.5, -0.25}, {1.25}};
CapasSig estudio() {
    // clang-format off
    CapasSig c{*leer_sistema("25830"), pozos, puntos, 30, &resultados,
               {30, {{0.5, {{440000, 4470000}, {440010, 4470007}}},
                     {1.5, {{440000, 4470100}, {440050, 4470100}, {440000, 4470100}}}}},
               {440000, 4470000, 50, 40, 4, 3, {}}};
    // clang-format on
    for (int k = 0; k < 12; ++k) c.rejilla.valores.push_back(k == 5 ? NAN : 0.125 * k - 0.5);
    return c;
}

// The study exported to the file that the path's extension names.
void exportar(const std::string& ruta, const CapasSig& c) {
    if (ruta.ends_with(".gpkg")) exportar_geopackage(ruta, c);
    if (ruta.ends_with(".tif")) exportar_geotiff(ruta, c.rejilla, c.sistema);
    if (ruta.ends_with(".asc")) exportar_asc(ruta, c.rejilla, c.sistema);
    if (ruta.ends_with(".dxf")) exportar_dxf(ruta, c);
}

// The study's system, to compare with what is read back: EPSG's code or the ESRI text of a .prj.
bool en_25830(const OGRSpatialReference* srs) {
    static const auto utm = referencia(*leer_sistema("25830"));
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
    for (int k = 0; k < 12; ++k)
        EXPECT_NEAR(v[r.indice(k % 4, 2 - k / 4)],
                    std::isnan(r.valores[k]) ? b->GetNoDataValue() : r.valores[k], tolerancia)
            << ruta << k;
}

// A layer of a file read back as text: its fields' names, then each feature's values and geometry.
Texto texto_de(const std::string& ruta, const char* nombre) {
    const Dataset d(GDALDataset::Open(ruta.c_str(), GDAL_OF_VECTOR));
    OGRLayer* capa = d->GetLayerByName(nombre);
    if (capa == nullptr) return {};
    Texto texto{capa->GetFIDColumn() + std::string(";")};
    for (int i = 0; i < capa->GetLayerDefn()->GetFieldCount(); ++i)
        texto[0] += capa->GetLayerDefn()->GetFieldDefn(i)->GetNameRef() + std::string(";");
    for (const auto& f : *capa) {
        texto.push_back(std::to_string(f->GetFID()) + ";");
        for (int i = 0; i < f->GetFieldCount(); ++i)
            texto.back() += f->GetFieldAsString(i) + std::string(";");
        if (f->GetGeometryRef() != nullptr) texto.back() += f->GetGeometryRef()->exportToWkt();
    }
    return texto;
}

// The rows of "layer_styles" by the table they style: the schema (set, and empty), geometry
// column, name and default of the style, and whether it has a time; then what its QML says, each
// element's attributes, "element@attribute=value", in document order, as well-formed XML.
std::map<std::string, Texto> estilos_de(const std::string& ruta) {
    const Dataset d(GDALDataset::Open(ruta.c_str(), GDAL_OF_VECTOR));
    std::map<std::string, Texto> filas;
    for (const auto& f : *d->GetLayerByName("layer_styles")) {
        Texto& dicho = filas[f->GetFieldAsString(2)];
        dicho = {CPLSPrintf("%d'%s' %s %s %d %d", f->IsFieldSetAndNotNull(1),
                            f->GetFieldAsString(1), f->GetFieldAsString(3), f->GetFieldAsString(4),
                            f->GetFieldAsInteger(7), f->IsFieldSetAndNotNull(11))};
        QXmlStreamReader xml(QString::fromStdString(f->GetFieldAsString(5)));
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            for (const auto& a : xml.attributes())
                dicho.push_back(
                    QStringLiteral("%1@%2=%3").arg(xml.name(), a.name(), a.value()).toStdString());
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    }
    return filas;
}

CapasSig sin_malla() {
    CapasSig c = estudio();
    c.rejilla = {};
    return c;
}
const EstiloRaster bandas{{{-0.5, 0, 0x2166AC}, {0, 0.5, 0xFDDBC7}}};
const EstiloRaster rampa{{{0.25, 0.25, 0xFDE725}, {0.75, 0.75, 0x440154}}, true};
// The layers exported, the raster's style, and what the styles say: "table
// element@attribute=value".
using Estilos = Tabla<CapasSig, EstiloRaster, Texto>;
using Muchos = Tabla<size_t>;  // wells

}  // namespace

// Each file read back. The GeoPackage: its layers, their fields (the two wells' shares told
// apart), the features' values and places, the isolines at their levels, all in the study's
// system, and the raster (Float32). The raster alone: GeoTIFF exact, the ASCII grid to its 15
// digits with its .prj beside it, which an export without a system takes away. The DXF: each
// isoline a polyline at the height of its level, each well and point a point and its name.
// And QGIS's table "layer_styles", its columns as QGIS makes them, with a default style per layer:
// the geometry column of each vector layer and none for the raster; the isolines labelled with
// their level, the injection wells by their own rule, the points as diamonds, the raster in the
// map's bands or, when the map has no isolines, a ramp between its stops. Without a grid, no raster
// and no style for it.
TEST(ExportarSig, EachFileReadBack) {
    const Carpeta carpeta;
    const CapasSig c = estudio();
    for (const char* archivo : {"e.gpkg", "e.tif", "e.asc", "e.dxf"})
        exportar(carpeta / archivo, c);
    EXPECT_EQ(carpeta.archivos(),
              (std::set<std::string>{"e.asc", "e.dxf", "e.gpkg", "e.prj", "e.tif"}));
    const std::string gpkg = carpeta / "e.gpkg";
    // clang-format off
    EXPECT_EQ(texto_de(gpkg, "pozos"), (Texto{"fid;nombre;diametro;caudal;tiempo;etapas;",
        "1;P1;0.3;0.015;30;;POINT (440100 4470200)", "2;p1;0.4;-0.02;30;;POINT (440300.5 4470250.0)"}));
    EXPECT_EQ(texto_de(gpkg, "puntos"), (Texto{"fid;nombre;tiempo;abatimiento_total;Pozo P1[m];Pozo p1[m] (2);",
        "1;A;30;1.25;1.5;-0.25;POINT (440200 4470210)"}));
    EXPECT_EQ(texto_de(gpkg, "isolineas"), (Texto{"fid;abatimiento;tiempo;",
        "1;0.5;30;LINESTRING (440000 4470000,440010 4470007)",
        "2;1.5;30;LINESTRING (440000 4470100,440050 4470100,440000 4470100)"}));
    // clang-format on
    // With the water levels in the wells, their four fields; a well without one, empty there.
    CapasSig con_niveles = c;
    const double nada = std::numeric_limits<double>::quiet_NaN();
    const std::vector<NivelSig> niveles = {{2.5, 0.75, 0.5, 3.75}, {nada, 0.25, 0, nada}};
    con_niveles.niveles = niveles;
    exportar(carpeta / "n.gpkg", con_niveles);
    // clang-format off
    EXPECT_EQ(texto_de(carpeta / "n.gpkg", "pozos"), (Texto{
        "fid;nombre;diametro;caudal;tiempo;etapas;nivel_propio;nivel_interferencia;nivel_perdidas;nivel_total;",
        "1;P1;0.3;0.015;30;;2.5;0.75;0.5;3.75;POINT (440100 4470200)",
        "2;p1;0.4;-0.02;30;;;0.25;0;;POINT (440300.5 4470250.0)"}));
    // clang-format on
    std::filesystem::remove(carpeta / "n.gpkg");
    std::filesystem::remove(carpeta / "n.qml");
    const Dataset g(GDALDataset::Open(gpkg.c_str(), GDAL_OF_VECTOR));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(en_25830(g->GetLayer(i)->GetSpatialRef()));
    comprobar_raster(gpkg, c.rejilla, 1e-6);
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
    // A map's style of bands, then one without a grid: no raster, and the old style goes.
    exportar_geopackage(carpeta / "b.gpkg", c, bandas);
    EXPECT_TRUE(std::filesystem::exists(carpeta / "b.qml"));
    exportar_geopackage(carpeta / "b.gpkg", sin_malla(), bandas);
    EXPECT_FALSE(std::filesystem::exists(carpeta / "b.qml"));
}

TEST_P(Estilos, QgisStylesOfEachLayer) {
    const auto& [nombre, capas, raster, dichos] = GetParam();
    const Carpeta carpeta;
    const std::string archivo = carpeta / "e.gpkg";
    exportar_geopackage(archivo, capas, raster);
    EXPECT_EQ(texto_de(archivo, "layer_styles")[0],
              "id;f_table_catalog;f_table_schema;f_table_name;f_geometry_column;styleName;"
              "styleQML;styleSLD;useAsDefault;description;owner;ui;update_time;");
    std::ifstream qml(carpeta / "e.qml");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(qml), {}),
              capas.rejilla.valores.empty() ? "" : qml_raster(raster));
    const auto filas = estilos_de(archivo);
    EXPECT_EQ(filas.size(), capas.rejilla.valores.empty() ? 3U : 4U);
    for (const auto& [tabla, dicho] : filas) {
        EXPECT_EQ(dicho[0], std::string("1'' ") + (tabla == "abatimiento" ? "" : "geom") +
                                " abatimientos 1 1");
    }
    for (const std::string& d : dichos) {
        const std::string tabla = d.substr(0, d.find(' '));
        EXPECT_TRUE(filas.contains(tabla) &&
                    std::ranges::count(filas.at(tabla), d.substr(tabla.size() + 1)) > 0)
            << d;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ExportarSig, Estilos, testing::ValuesIn(std::vector<Estilos::ParamType>{
    {"bandas", estudio(), bandas, {"isolineas text-style@fieldName=abatimiento", "pozos rule@filter=\"caudal\" < 0", "puntos prop@v=diamond", "abatimiento item@color=#fddbc7", "abatimiento item@label=0 - 0.5 m"}},
    {"rampa", estudio(), rampa, {"abatimiento colorrampshader@colorRampType=INTERPOLATED"}},
    {"sin_malla", sin_malla(), rampa, {"isolineas symbol@type=line", "pozos prop@v=228,26,28,255"}}}), por_nombre);
// clang-format on

// A field of as many wells as a GeoPackage table holds columns has a field per share; one more,
// and the shares go to the table "partes", a row per point and well, none lost.
TEST_P(Muchos, TheSharesOfEveryWell) {
    const size_t n = std::get<1>(GetParam());
    const Carpeta carpeta;
    std::vector<Pozo> muchos;
    Resultados r{n, {}, {1.25}};
    for (size_t k = 1; k <= n; ++k) {
        muchos.push_back(pozo("P" + std::to_string(k), 0.3, 0.01, 440000.0 + k, 4470000));
        r.partes.push_back(k / 1000.0);
    }
    CapasSig m = estudio();
    std::tie(m.pozos, m.resultados) = std::pair(std::span(muchos), &r);
    const std::string ruta = carpeta / "m.gpkg";
    exportar_geopackage(ruta, m);
    const Texto puntos = texto_de(ruta, "puntos");
    const Texto partes = texto_de(ruta, "partes");
    EXPECT_EQ(std::ranges::count(puntos[0], ';'), n == 1995 ? 4 + 1995 : 4);
    EXPECT_TRUE(puntos[0].ends_with(n == 1995 ? "Pozo P1995[m];" : "abatimiento_total;"));
    EXPECT_TRUE(puntos[1].starts_with("1;A;30;1.25;") &&
                puntos[1].ends_with(n == 1995 ? ";1.995;POINT (440200 4470210)"
                                              : ";POINT (440200 4470210)"));
    EXPECT_EQ(partes.size(), n == 1995 ? 0 : 1 + n);
    EXPECT_EQ(partes.empty() ? "" : partes[0] + partes.back(),
              n == 1995 ? "" : "fid;punto;pozo;abatimiento;1996;A;P1996;1.996;");
}

INSTANTIATE_TEST_SUITE_P(ExportarSig, Muchos,
                         testing::ValuesIn(std::vector<Muchos::ParamType>{
                             {"tantos_como_columnas", 1995}, {"uno_de_mas", 1996}}),
                         por_nombre);
