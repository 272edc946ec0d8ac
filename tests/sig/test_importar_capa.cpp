#include <gtest/gtest.h>

#include "model/numeros.h"
#include "sig/archivos_sig.h"
#include "sig/importacion.h"

using namespace abat;
using namespace abat::prueba;

namespace {

const Sistema utm30 = *leer_sistema("25830").sistema;
const Sistema ninguno{};

// A place of EPSG:25830 as a layer in another system stores it; in one without a system, as it is;
// in 25830 itself, as a one-point multipoint, as some programs write points.
std::string en_sistema(int epsg, double x, double y) {
    if (epsg == 0 || epsg == 25830) {
        return CPLSPrintf(epsg == 0 ? "POINT (%.1f %.1f)" : "MULTIPOINT ((%.1f %.1f))", x, y);
    }
    OGRSpatialReference origen;
    OGRSpatialReference destino;
    origen.importFromEPSG(25830);
    destino.importFromEPSG(epsg);
    destino.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    OGRCoordinateTransformation* t = OGRCreateCoordinateTransformation(&origen, &destino);
    t->Transform(1, &x, &y);
    OGRCoordinateTransformation::DestroyCT(t);
    return CPLSPrintf("POINT (%.12f %.12f)", x, y);
}

}  // namespace

// Layers of each format come into the study's system: the places they were made from, to the
// millimetre, x east and y north whatever the system's axis order. Fields found by name in either
// language, case and accents aside; numbers from number fields, or from text with a decimal comma.
// A study without a system takes the layer's; a layer without one is taken as it is.
TEST(ImportarCapa, ReadsEachFormatIntoTheStudysSystem) {
    const Carpeta carpeta;
    const double x = 440125.5;
    const double y = 4470210.3;
    using Caso = std::tuple<const char*, const char*, int, OGRFieldType, Sistema>;
    // clang-format off
    for (const auto& [driver, archivo, epsg, numeros, estudio] : {
             Caso{"GPKG", "a.gpkg", 25830, OFTReal, ninguno},
             Caso{"ESRI Shapefile", "b.shp", 4326, OFTString, utm30},
             Caso{"ESRI Shapefile", "c.shp", 25829, OFTReal, utm30},
             Caso{"ESRI Shapefile", "d.shp", 0, OFTString, utm30},
             Caso{"LIBKML", "e.kml", 4326, OFTString, utm30},
             Caso{"GeoJSON", "f.geojson", 4326, OFTReal, utm30}}) {
        const std::vector<Elemento> elementos = {{{"P", numeros == OFTReal ? "0.3" : "0,3", "-0.01"}, en_sistema(epsg, x, y)}};
        escribir_capa(carpeta / archivo, driver, epsg, {{"name", OFTString}, {"Diámetro", numeros}, {"Q", numeros}}, elementos);
        // clang-format on
        const Importacion i = importar_capa(carpeta / archivo, Registro::pozo, estudio);
        ASSERT_EQ(i.registros.size(), 1U) << archivo << i.rechazo;
        EXPECT_EQ(i.sistema, estudio.tiene() ? std::nullopt : std::optional(utm30)) << archivo;
        const auto& r = i.registros[0];
        EXPECT_EQ(std::vector(r.begin(), r.begin() + 3),
                  (std::vector<std::string>{"P", "0.3", "-0.01"}));
        EXPECT_NEAR(strict_number(r[3]), x, 1e-3) << archivo;
        EXPECT_NEAR(strict_number(r[4]), y, 1e-3) << archivo;
    }
    EXPECT_EQ(importar_capa(carpeta / "d.shp", Registro::punto, utm30).registros[0],
              (std::vector<std::string>{"P", "440125.5", "4470210.3"}));
}

// Each fault refuses the whole layer, and the message says which: the feature that is no point or
// lacks a number, a system the study cannot take, the fields the layer lacks and those it has.
TEST(ImportarCapa, RefusesTheWholeLayerAtTheFirstFault) {
    const Carpeta carpeta;
    const std::vector<std::pair<std::string, OGRFieldType>> campos = {
        {"nombre", OFTString}, {"diametro", OFTString}, {"CAUDAL", OFTReal}};
    const std::string punto = "POINT (440000 4470000)";
    escribir_capa(carpeta / "d.gpkg", "GPKG", 25830, {{"nombre", OFTString}, {"diam", OFTReal}},
                  {});
    escribir_capa(carpeta / "e.gpkg", "GPKG", 25830, campos, {});
    using Caso = std::tuple<int, std::string, std::string, std::string, std::string>;
    // clang-format off
    for (const auto& [epsg, diametro, caudal, wkt, mensaje] : {
             Caso{25830, "1", "2", "LINESTRING (0 0,1 1)", "El elemento 2 («B») no tiene un punto por geometría"},
             Caso{25830, "1", "", punto, "El elemento 2 («B») no tiene valor en el campo «CAUDAL»."},
             Caso{25830, "ancho", "2", punto, "El elemento 2 («B»), campo «diametro»: «ancho» no es un valor numérico."},
             Caso{4326, "1", "2", punto, "La capa está en «WGS 84», que no es un sistema proyectado"},
             Caso{0, "d", "", "", "La capa «pozos» de «d.gpkg» no tiene el campo del caudal (caudal, gasto, rate o q). Sus campos son: nombre, diam."},
             Caso{0, "e", "", "", "La capa «pozos» de «e.gpkg» no tiene ningún elemento."},
             Caso{0, "no", "", "", "No se puede leer «no.gpkg» como capa de puntos (.gpkg, .shp, .geojson o .kml)."}}) {
        // clang-format on
        if (epsg != 0) {  // the first feature right, the second as given
            std::filesystem::remove(carpeta / "c.gpkg");
            escribir_capa(carpeta / "c.gpkg", "GPKG", epsg, campos,
                          {{{"A", "1", "2"}, punto}, {{"B", diametro, caudal}, wkt}});
        }
        const Importacion i = importar_capa(carpeta / (epsg != 0 ? "c" : diametro) + ".gpkg",
                                            Registro::pozo, ninguno);
        EXPECT_TRUE(i.rechazo.starts_with(mensaje) && i.registros.empty() && !i.sistema)
            << i.rechazo;
    }
}
