// QGIS's styles in the GeoPackage: the table "layer_styles" as QGIS makes it, a default style per
// layer, each a QML document that reads as XML and draws the layer as the map does.
#include <gtest/gtest.h>

#include <QString>
#include <QXmlStreamReader>
#include <map>

#include "sig/archivos_sig.h"
#include "sig/exportacion.h"

using namespace abat;
using namespace abat::prueba;

namespace {

struct Fila {
    std::string esquema, geometria, nombre, qml, sld;
    int defecto = 0;
    bool con_fecha = false;
};

// The rows of "layer_styles" by the table they style, read through GDAL.
std::map<std::string, Fila> estilos_de(const std::string& ruta, std::vector<std::string>* campos) {
    const SesionGdal sesion;
    const Dataset d(GDALDataset::Open(ruta.c_str(), GDAL_OF_VECTOR));
    OGRLayer* capa = d ? d->GetLayerByName("layer_styles") : nullptr;
    if (capa == nullptr) return {};
    campos->assign(1, capa->GetFIDColumn());
    const OGRFeatureDefn& defn = *capa->GetLayerDefn();
    for (int i = 0; i < defn.GetFieldCount(); ++i)
        campos->push_back(defn.GetFieldDefn(i)->GetNameRef());
    std::map<std::string, Fila> filas;
    for (const auto& f : *capa) {
        Fila& fila = filas[f->GetFieldAsString("f_table_name")];
        fila = {f->GetFieldAsString("f_table_schema"),
                f->GetFieldAsString("f_geometry_column"),
                f->GetFieldAsString("styleName"),
                f->GetFieldAsString("styleQML"),
                f->GetFieldAsString("styleSLD"),
                f->GetFieldAsInteger("useAsDefault"),
                f->IsFieldSetAndNotNull(defn.GetFieldIndex("update_time"))};
        EXPECT_TRUE(f->IsFieldSetAndNotNull(defn.GetFieldIndex("f_table_schema")));
    }
    return filas;
}

// What a QML document says: its root, and each element's attributes, "element@attribute=value",
// in document order; empty when it is not well-formed XML.
std::vector<std::string> leer_qml(const std::string& qml, std::string* raiz) {
    QXmlStreamReader xml(QString::fromStdString(qml));
    std::vector<std::string> dicho;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (raiz->empty()) *raiz = xml.name().toString().toStdString();
        for (const auto& a : xml.attributes()) {
            dicho.push_back(xml.name().toString().toStdString() + "@" +
                            a.name().toString().toStdString() + "=" +
                            a.value().toString().toStdString());
        }
    }
    if (xml.hasError()) {
        ADD_FAILURE() << xml.errorString().toStdString() << " at line " << xml.lineNumber();
        return {};
    }
    return dicho;
}

bool dice(const std::vector<std::string>& qml, const std::string& algo) {
    return std::find(qml.begin(), qml.end(), algo) != qml.end();
}

CapasSig capas(const std::vector<Pozo>& pozos, const std::vector<Punto>& puntos,
               const Rejilla& rejilla) {
    CapasSig c;
    c.sistema = *leer_sistema("25830").sistema;
    c.pozos = pozos;
    c.puntos = puntos;
    c.tiempo = 30;
    c.isolineas = {30, {{0.5, {{440000, 4470000}, {440010, 4470007}}}}};
    c.rejilla = rejilla;
    return c;
}

}  // namespace

// Every layer's default style in QGIS's table: its columns as QGIS makes them, the geometry
// column of each vector layer and none for the raster, each QML read as XML: the isolines
// labelled with their level, the wells red or blue by their rate and the points as diamonds, both
// labelled with their names; the raster in the map's bands, their colours and limits.
TEST(EstilosQgis, LayerStylesAsQgisKeepsThem) {
    const Carpeta carpeta;
    const std::vector<Pozo> pozos = {{"P1", 0.3, {Lectura::numero, 0.015}, 440100, 4470200},
                                     {"I1", 0.4, {Lectura::numero, -0.02}, 440300, 4470250}};
    const std::vector<Punto> puntos = {{"A", 440200, 4470210}};
    const Rejilla rejilla{440000, 4470000, 50, 50, 3, 2, {-0.4, 0.1, 0.6, 1.2, 1.4, 0.9}};
    EstiloRaster raster;
    raster.clases = {
        {-0.5, 0, 0x2166AC}, {0, 0.5, 0xFDDBC7}, {0.5, 1, 0xEF8A62}, {1, 1.5, 0xB2182B}};
    exportar_geopackage(carpeta / "e.gpkg", capas(pozos, puntos, rejilla), raster);

    std::vector<std::string> campos;
    const auto filas = estilos_de(carpeta / "e.gpkg", &campos);
    EXPECT_EQ(campos, (std::vector<std::string>{"id", "f_table_catalog", "f_table_schema",
                                                "f_table_name", "f_geometry_column", "styleName",
                                                "styleQML", "styleSLD", "useAsDefault",
                                                "description", "owner", "ui", "update_time"}));
    ASSERT_EQ(filas.size(), 4u);
    std::map<std::string, std::vector<std::string>> qml;
    for (const auto& [tabla, fila] : filas) {
        SCOPED_TRACE(tabla);
        EXPECT_EQ(fila.esquema, "");
        EXPECT_EQ(fila.geometria, tabla == "abatimiento" ? "" : "geom");
        EXPECT_EQ(fila.nombre, "abatimientos");
        EXPECT_EQ(fila.defecto, 1);
        EXPECT_TRUE(fila.con_fecha);
        std::string raiz;
        qml[tabla] = leer_qml(fila.qml, &raiz);
        EXPECT_EQ(raiz, "qgis");
        EXPECT_TRUE(fila.qml.starts_with("<!DOCTYPE qgis"));
    }
    const auto& isolineas = qml["isolineas"];
    EXPECT_TRUE(dice(isolineas, "qgis@labelsEnabled=1"));
    EXPECT_TRUE(dice(isolineas, "text-style@fieldName=abatimiento"));
    EXPECT_TRUE(dice(isolineas, "symbol@type=line"));
    EXPECT_TRUE(dice(isolineas, "placement@placement=2"));  // along the line
    const auto& de_pozos = qml["pozos"];
    EXPECT_TRUE(dice(de_pozos, "qgis@labelsEnabled=1"));
    EXPECT_TRUE(dice(de_pozos, "text-style@fieldName=nombre"));
    EXPECT_TRUE(dice(de_pozos, "rule@filter=\"caudal\" < 0"));
    EXPECT_TRUE(dice(de_pozos, "rule@label=Pozo de inyección"));
    EXPECT_TRUE(dice(de_pozos, "prop@v=31,78,180,255"));  // blue, as the map's injecting wells
    EXPECT_TRUE(dice(de_pozos, "prop@v=228,26,28,255"));  // red, as its pumping ones
    const auto& de_puntos = qml["puntos"];
    EXPECT_TRUE(dice(de_puntos, "text-style@fieldName=nombre"));
    EXPECT_TRUE(dice(de_puntos, "prop@v=diamond"));
    const auto& de_raster = qml["abatimiento"];
    EXPECT_TRUE(dice(de_raster, "rasterrenderer@type=singlebandpseudocolor"));
    EXPECT_TRUE(dice(de_raster, "colorrampshader@colorRampType=DISCRETE"));
    std::vector<std::string> clases;
    for (const std::string& a : de_raster) {
        if (a.starts_with("item@")) clases.push_back(a.substr(5));
    }
    EXPECT_EQ(clases, (std::vector<std::string>{
                          "alpha=255", "value=0", "label=-0.5 - 0 m", "color=#2166ac", "alpha=255",
                          "value=0.5", "label=0 - 0.5 m", "color=#fddbc7", "alpha=255", "value=1",
                          "label=0.5 - 1 m", "color=#ef8a62", "alpha=255", "value=inf",
                          "label=1 - 1.5 m", "color=#b2182b"}));
}

// A map without isolines is coloured continuously: the raster's ramp is interpolated between its
// stops. A study without a grid has no raster, and no style for it.
TEST(EstilosQgis, AContinuousRampAndNoRaster) {
    const Carpeta carpeta;
    const std::vector<Pozo> pozos = {{"P1", 0.3, {Lectura::numero, 0.015}, 440100, 4470200}};
    EstiloRaster continuo;
    continuo.continuo = true;
    continuo.clases = {{0.25, 0.25, 0xFDE725}, {0.75, 0.75, 0x440154}};
    exportar_geopackage(carpeta / "c.gpkg",
                        capas(pozos, {}, {440000, 4470000, 50, 50, 2, 1, {0.25, 0.75}}), continuo);
    std::vector<std::string> campos;
    std::string raiz;
    const auto qml = leer_qml(estilos_de(carpeta / "c.gpkg", &campos).at("abatimiento").qml, &raiz);
    EXPECT_TRUE(dice(qml, "colorrampshader@colorRampType=INTERPOLATED"));
    EXPECT_TRUE(dice(qml, "item@value=0.75"));
    EXPECT_TRUE(dice(qml, "item@color=#440154"));

    exportar_geopackage(carpeta / "s.gpkg", capas(pozos, {}, Rejilla{}), continuo);
    const auto filas = estilos_de(carpeta / "s.gpkg", &campos);
    EXPECT_EQ(filas.size(), 3u);
    EXPECT_EQ(filas.count("abatimiento"), 0u);
}
