// Layers and spreadsheets as others keep them, read into the study's tables: every record or none.
#include <gtest/gtest.h>

#include <fstream>

#include "model/numeros.h"
#include "sig/archivos_sig.h"
#include "sig/importacion.h"

using namespace abat;
using namespace abat::prueba;

namespace {

const Sistema utm30 = *leer_sistema("25830").sistema;
const Sistema ninguno{};
using Filas = std::vector<std::vector<std::string>>;
const std::vector<std::string> encabezados = {"Nombre", "Diámetro[m]", "Gasto[m3/s]",
                                              "Coordenada x [m]", "Coordenada y [m]"};

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

// A wells layer without a diameter field is read with the diameters empty, for the user to give
// one for all; points have none to lack.
TEST(ImportarCapa, AWellsLayerWithoutDiameters) {
    const Carpeta carpeta;
    escribir_capa(carpeta / "p.gpkg", "GPKG", 25830, {{"Pozo", OFTString}, {"Caudal", OFTReal}},
                  {{{"P1", "0.05"}, "POINT (440000 4470000)"}});
    const Importacion i = importar_capa(carpeta / "p.gpkg", Registro::pozo, utm30);
    EXPECT_TRUE(i.rechazo.empty() && i.sin_diametro) << i.rechazo;
    EXPECT_EQ(i.registros, (Filas{{"P1", "", "0.05", "440000", "4470000"}}));
    EXPECT_EQ(i.capa, "La capa «pozos» de «p.gpkg»");
    EXPECT_FALSE(importar_capa(carpeta / "p.gpkg", Registro::punto, utm30).sin_diametro);
}

// Features beyond the area of use of the system they land in by more than its own width or
// height are told by their place in the layer; those near it (Galicia or Catalonia in the UTM zone
// of the centre of Spain) are not.
TEST(ImportarCapa, FeaturesFarFromTheSystemsArea) {
    const Carpeta carpeta;
    using Caso =
        std::tuple<std::string, int, std::vector<std::string>, Sistema, std::vector<size_t>>;
    // clang-format off
    for (const auto& [que, epsg, puntos, estudio, lejanos] : {
        Caso{"longitudes", 4326, {"POINT (-3.70 40.42)", "POINT (150 40)", "POINT (2.17 41.39)", "POINT (-8.5 42.9)"}, utm30, {1}},
        Caso{"canarias", 4326, {"POINT (-15.4 28.1)", "POINT (-3.7 -40)"}, utm30, {0, 1}},
        Caso{"sin_sistema", 0, {"POINT (440000 4470000)", "POINT (440000 -15202379)"}, utm30, {1}},
        Caso{"el_de_la_capa", 25830, {"POINT (440000 4470000)", "POINT (9e7 4470000)"}, ninguno, {1}},
        Caso{"ninguno", 0, {"POINT (440000 4470000)", "POINT (9e7 -4e8)"}, ninguno, {}}}) {
        // clang-format on
        std::vector<Elemento> elementos;
        for (const std::string& p : puntos) elementos.push_back({{"N"}, p});
        escribir_capa(carpeta / que + ".shp", "ESRI Shapefile", epsg, {{"nombre", OFTString}},
                      elementos, "puntos");
        const Importacion i = importar_capa(carpeta / que + ".shp", Registro::punto, estudio);
        EXPECT_TRUE(i.rechazo.empty() && i.registros.size() == puntos.size()) << que << i.rechazo;
        EXPECT_EQ(i.lejanos, lejanos) << que;
    }
}

// The same 17 wells in EPSG:25830, one of them injecting, from a CSV file with a header row,
// semicolons and decimal commas, and from the .xlsx and .ods files that LibreOffice saved of it
// (libreoffice --headless --infilter="CSV:59,34,76,1,,3082" --convert-to xlsx pozos.csv); and as
// an engineer keeps them, "Pozo, X (m), Y (m), Caudal [m3/s], Diámetro (m), Observaciones"
// (--infilter="CSV:44,34,76,1"), the column of their own listed: numbers as the add command
// stores them, names as they are.
TEST(ImportarHoja, TheSameWellsFromEachSpreadsheet) {
    const Importacion csv = importar_hoja(ABAT_DATOS "/pozos.csv", encabezados);
    ASSERT_EQ(csv.registros.size(), 17U) << csv.rechazo;
    const Filas algunos = {csv.registros[0], csv.registros[15], {csv.registros[16][0]}};
    // clang-format off
    EXPECT_EQ(algunos, (Filas{{"P-01 Arroyo", "0.3", "0.015", "440125.5", "4470210.3"},
                              {"R-1 Recarga", "0.45", "-0.02", "440350.8", "4470020.5"}, {"P-16 Fuente Álamo"}}));
    // clang-format on
    for (const char* hoja : {"/pozos.xlsx", "/pozos.ods", "/pozos_cabecera.xlsx"}) {
        const Importacion i = importar_hoja(std::string(ABAT_DATOS) + hoja, encabezados);
        EXPECT_EQ(std::tie(i.rechazo, i.registros), std::tie(csv.rechazo, csv.registros)) << hoja;
        EXPECT_EQ(i.ignoradas, std::string(hoja).ends_with("cabecera.xlsx")
                                   ? std::vector<std::string>{"Observaciones"}
                                   : std::vector<std::string>{});
    }
}

// A first row of text above rows of numbers, naming no column, is a record all the same; a
// CSV file in Windows-1252, or with a byte order mark, reads as Windows saved it. The first cell
// that fails refuses the whole file, named by sheet, row and column as the spreadsheet numbers
// them; so do a header that lacks a column, files that are no spreadsheet, or that hold no row.
TEST(ImportarHoja, EveryRowOrNone) {
    const Carpeta carpeta;
    const Filas dos = {{"Peñón", "0.3", "1", "2", "3"}, {"P2", "0.3", "1", "2", "3"}};
    const auto hoja = [&](const std::string& archivo, const Filas& filas, OGRFieldType numeros) {
        std::vector<std::pair<std::string, OGRFieldType>> campos;
        for (const std::string& c : filas[0])
            campos.emplace_back(c, campos.empty() ? OFTString : numeros);
        std::vector<Elemento> elementos;
        for (size_t f = 1; f < filas.size(); ++f) elementos.push_back({filas[f], ""});
        escribir_capa(carpeta / archivo, archivo.ends_with(".ods") ? "ODS" : "XLSX", 0, campos,
                      elementos, "Pozos");
    };
    hoja("h.xlsx", {{"Peñón", "0,3", "1", "2", "3"}, dos[1]}, OFTReal);
    hoja("m.xlsx", {encabezados, dos[1], {"P3", "0.3", "1", "1"}}, OFTReal);
    hoja("m.ods", {encabezados, {"P1", "0.3", "abc", "1", "2"}}, OFTString);
    // clang-format off
    for (const auto& [archivo, texto] : std::vector<std::pair<std::string, std::string>>{
             {"a.csv", "Pe\xF1\xF3n;0,3;1;2;3\r\nP2;0.3;1;2;3"}, {"vacio.csv", "\n\n"},
             {"b.csv", "\xEF\xBB\xBFPeñón,0.3,1,2,3\nP2,0.3,1,2,3\n"},
             {"m.csv", ";;\n\nP1;1;2;3;4;5\n"}, {"sin_diametro.csv", "Pozo;X;Y;Caudal\nP1;1;2;3\n"},
             {"vacia.csv", "Pozo;X;Y;Caudal;Diámetro\nP1;1;;3;0,3\n"}}) {
        std::ofstream(carpeta / archivo, std::ios::binary) << texto;
    }
    const std::string columnas = "; cada fila debe tener 5 columnas (Nombre, Diámetro[m], Gasto[m3/s], Coordenada x [m], Coordenada y [m]).";
    for (const auto& [archivo, registros, mensaje] : std::vector<std::tuple<std::string, Filas, std::string>>{
             {"h.xlsx", dos, ""}, {"a.csv", dos, ""}, {"b.csv", dos, ""},
             {"m.xlsx", {}, "«m.xlsx», hoja «Pozos», fila 3, columna E (Coordenada y [m]): falta el dato."},
             {"m.ods", {}, "«m.ods», hoja «Pozos», fila 2, columna C (Gasto[m3/s]): «abc» no es un valor numérico."},
             {"m.csv", {}, "«m.csv», fila 3, columna 6: «5» sobra" + columnas},
             {"sin_diametro.csv", {}, "«sin_diametro.csv», fila 1 nombra las columnas, pero ninguna es la de «Diámetro[m]» (diámetro o diameter).\n\nNo se ha importado nada."},
             {"vacia.csv", {}, "«vacia.csv», fila 2, columna 3 (Coordenada y [m]): falta el dato.\n\nNo se ha importado nada."},
             {"vacio.csv", {}, "«vacio.csv» no tiene ninguna fila que importar en su primera hoja."},
             {"no.xlsx", {}, "No se puede leer «no.xlsx» como hoja de cálculo."}}) {
        // clang-format on
        const Importacion i = importar_hoja(carpeta / archivo, encabezados);
        EXPECT_TRUE(i.registros == registros && i.rechazo.starts_with(mensaje) &&
                    i.rechazo.empty() == mensaje.empty())
            << archivo << ": " << i.rechazo;
    }
}
