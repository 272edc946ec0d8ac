// The study exported to the GIS files, each read back through GDAL: values as the engine gave
// them, in the study's system, and QGIS's styles in the GeoPackage.
#include <gtest/gtest.h>

#include <QString>
#include <QXmlStreamReader>
#include <cmath>
#include <fstream>
#include <map>

#include "model/errores.h"
#include "sig/archivos_sig.h"
#include "sig/exportacion.h"
#include "sig/referencia_espacial.h"

using namespace abat;
using namespace abat::prueba;

namespace {

using Texto = std::vector<std::string>;

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
Texto texto_de(OGRLayer* capa) {
    const OGRFeatureDefn& campos = *capa->GetLayerDefn();
    Texto texto(1);
    for (int i = 0; i < campos.GetFieldCount(); ++i)
        texto[0] += campos.GetFieldDefn(i)->GetNameRef() + std::string(";");
    for (const auto& f : *capa) {
        texto.emplace_back();
        for (int i = 0; i < f->GetFieldCount(); ++i)
            texto.back() += f->GetFieldAsString(i) + std::string(";");
        if (f->GetGeometryRef() != nullptr) texto.back() += f->GetGeometryRef()->exportToWkt();
    }
    return texto;
}

// What a QML document says: each element's attributes, "element@attribute=value", in document
// order; empty when it is not well-formed XML.
Texto leer_qml(const std::string& qml) {
    QXmlStreamReader xml(QString::fromStdString(qml));
    Texto dicho;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        for (const auto& a : xml.attributes()) {
            dicho.push_back(
                QStringLiteral("%1@%2=%3").arg(xml.name(), a.name(), a.value()).toStdString());
        }
    }
    if (xml.hasError()) ADD_FAILURE() << xml.errorString().toStdString();
    return xml.hasError() ? Texto{} : dicho;
}

// The rows of "layer_styles" by the table they style: its other columns' values, and the QML.
std::map<std::string, std::pair<std::string, Texto>> estilos_de(const std::string& ruta) {
    const Dataset d(GDALDataset::Open(ruta.c_str(), GDAL_OF_VECTOR));
    std::map<std::string, std::pair<std::string, Texto>> filas;
    for (const auto& f : *d->GetLayerByName("layer_styles")) {
        const std::string qml = f->GetFieldAsString("styleQML");
        filas[f->GetFieldAsString("f_table_name")] = {
            CPLSPrintf("%d'%s' %s %s %s %d %d",
                       f->IsFieldSetAndNotNull(f->GetFieldIndex("f_table_schema")),
                       f->GetFieldAsString("f_table_schema"),
                       f->GetFieldAsString("f_geometry_column"), f->GetFieldAsString("styleName"),
                       qml.substr(0, 14).c_str(), f->GetFieldAsInteger("useAsDefault"),
                       f->IsFieldSetAndNotNull(f->GetFieldIndex("update_time"))),
            leer_qml(qml)};
    }
    return filas;
}

bool dice(const Texto& qml, const std::string& algo) {
    return std::find(qml.begin(), qml.end(), algo) != qml.end();
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
        const std::string ruta = carpeta / (std::to_string(pozos) + ".gpkg");
        exportar_geopackage(ruta, e.capas());
        const Dataset gpkg(GDALDataset::Open(ruta.c_str(), GDAL_OF_VECTOR));
        OGRLayer* puntos = gpkg->GetLayerByName("puntos");
        OGRLayer* partes = gpkg->GetLayerByName("partes");
        const auto punto = std::unique_ptr<OGRFeature>(puntos->GetNextFeature());
        EXPECT_EQ(punto->GetFieldAsDouble("abatimiento_total"), 1.25);
        if (pozos == 1995) {
            EXPECT_TRUE(partes == nullptr && puntos->GetLayerDefn()->GetFieldCount() == 3 + pozos);
            EXPECT_EQ(punto->GetFieldAsDouble("Pozo P1995[m]"), 1.995);
            continue;
        }
        ASSERT_TRUE(partes && puntos->GetLayerDefn()->GetFieldCount() == 3);
        EXPECT_EQ(partes->GetFeatureCount(), pozos);
        partes->SetAttributeFilter("pozo = 'P1996'");
        EXPECT_EQ(texto_de(partes), (Texto{"punto;pozo;abatimiento;", "A;P1996;1.996;"}));
    }
}

// A path that cannot be written (its folder missing, a file where a folder should be, a folder of
// its name): error 75 naming it and the cause, and no temporary file left, even where GDAL wrote
// the whole file.
TEST(ExportarSig, UnwritablePathLeavesNothing) {
    const Carpeta carpeta;
    const Estudio estudio;
    const CapasSig c = estudio.capas();
    std::ofstream(carpeta / "archivo") << "";  // where a folder should be
    std::set<std::string> quedan = {"archivo"};
    for (const std::string e : {".gpkg", ".tif", ".asc", ".dxf"}) {
        std::filesystem::create_directory(carpeta / "carpeta" + e);
        quedan.insert("carpeta" + e);
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
    EXPECT_EQ(carpeta.archivos(), quedan);
}

// QGIS's table "layer_styles", its columns as QGIS makes them, with a default style per layer: the
// geometry column of each vector layer and none for the raster, each QML read as XML. The
// isolines labelled with their level along the line, the wells red or blue by their rate and the
// points as diamonds, both labelled with their names; the raster in the map's bands, their
// colours and limits, or a ramp interpolated between its stops when the map has no isolines. A
// study without a grid has no raster, and no style for it.
TEST(ExportarSig, LayerStylesAsQgisKeepsThem) {
    const Carpeta carpeta;
    EstiloRaster raster{
        {{-0.5, 0, 0x2166AC}, {0, 0.5, 0xFDDBC7}, {0.5, 1, 0xEF8A62}, {1, 1.5, 0xB2182B}}};
    exportar_geopackage(carpeta / "e.gpkg", Estudio().capas(), raster);
    const Dataset d(GDALDataset::Open((carpeta / "e.gpkg").c_str(), GDAL_OF_VECTOR));
    const OGRFeatureDefn& defn = *d->GetLayerByName("layer_styles")->GetLayerDefn();
    Texto campos = {d->GetLayerByName("layer_styles")->GetFIDColumn()};
    for (int i = 0; i < defn.GetFieldCount(); ++i)
        campos.push_back(defn.GetFieldDefn(i)->GetNameRef());
    EXPECT_EQ(campos, (Texto{"id", "f_table_catalog", "f_table_schema", "f_table_name",
                             "f_geometry_column", "styleName", "styleQML", "styleSLD",
                             "useAsDefault", "description", "owner", "ui", "update_time"}));
    auto filas = estilos_de(carpeta / "e.gpkg");
    ASSERT_EQ(filas.size(), 4u);
    for (const auto& [tabla, fila] : filas) {
        EXPECT_EQ(fila.first, std::string("1'' ") + (tabla == "abatimiento" ? "" : "geom") +
                                  " abatimientos <!DOCTYPE qgis 1 1");
        EXPECT_TRUE(!fila.second.empty() && fila.second[0].starts_with("qgis@")) << tabla;
    }
    // clang-format off
    for (const auto& [tabla, dicho] : std::vector<std::pair<std::string, std::string>>{
             {"isolineas", "qgis@labelsEnabled=1"}, {"isolineas", "text-style@fieldName=abatimiento"},
             {"isolineas", "symbol@type=line"}, {"isolineas", "placement@placement=2"},
             {"pozos", "qgis@labelsEnabled=1"}, {"pozos", "text-style@fieldName=nombre"},
             {"pozos", "rule@filter=\"caudal\" < 0"}, {"pozos", "rule@label=Pozo de inyección"},
             {"pozos", "prop@v=31,78,180,255"}, {"pozos", "prop@v=228,26,28,255"},
             {"puntos", "text-style@fieldName=nombre"}, {"puntos", "prop@v=diamond"},
             {"abatimiento", "rasterrenderer@type=singlebandpseudocolor"},
             {"abatimiento", "colorrampshader@colorRampType=DISCRETE"}}) {
        EXPECT_TRUE(dice(filas[tabla].second, dicho)) << tabla << ": " << dicho;
    }
    // clang-format on
    Texto clases;
    for (const std::string& a : filas["abatimiento"].second) {
        if (a.starts_with("item@")) clases.push_back(a.substr(5));
    }
    EXPECT_EQ(clases, (Texto{"alpha=255", "value=0", "label=-0.5 - 0 m", "color=#2166ac",
                             "alpha=255", "value=0.5", "label=0 - 0.5 m", "color=#fddbc7",
                             "alpha=255", "value=1", "label=0.5 - 1 m", "color=#ef8a62",
                             "alpha=255", "value=inf", "label=1 - 1.5 m", "color=#b2182b"}));

    const EstiloRaster continuo{{{0.25, 0.25, 0xFDE725}, {0.75, 0.75, 0x440154}}, true};
    exportar_geopackage(carpeta / "c.gpkg", Estudio().capas(), continuo);
    const Texto qml = estilos_de(carpeta / "c.gpkg").at("abatimiento").second;
    for (const char* dicho :
         {"colorrampshader@colorRampType=INTERPOLATED", "item@value=0.75", "item@color=#440154"})
        EXPECT_TRUE(dice(qml, dicho)) << dicho;
    const Estudio estudio;
    CapasSig sin_malla = estudio.capas();
    sin_malla.rejilla = {};
    exportar_geopackage(carpeta / "s.gpkg", sin_malla, continuo);
    filas = estilos_de(carpeta / "s.gpkg");
    EXPECT_TRUE(filas.size() == 3 && !filas.contains("abatimiento"));
}
