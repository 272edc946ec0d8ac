// Layers and spreadsheets as others keep them, read into the study's tables: every record or none.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "model/numeros.h"
#include "sig/archivos_sig.h"
#include "sig/importacion.h"
#include "support/casos.h"

using namespace abat;
using namespace abat::prueba;

const Sistema utm30 = *leer_sistema("25830");
using Texto = std::vector<std::string>;
using Filas = std::vector<Texto>;
const Texto encabezados = {"Nombre", "Diámetro[m]", "Gasto[m3/s]", "Coordenada x [m]",
                           "Coordenada y [m]"};
const Filas dos = {{"Peñón", "0.3", "1", "2", "3"}, {"P2", "0.3", "1", "2", "3"}};
const std::string punto = "POINT (440000 4470000)";
// A driver writes the file a layer of wells, in a system (0: none), its numbers of a type; read
// into a study of a system (none: it takes the layer's), the one well's place.
using Formatos = Tabla<const char*, std::string, int, OGRFieldType, Sistema, const char*>;
// Points in a system read into a study of a system: which are told as far.
using Lejanos = Tabla<int, Sistema, std::vector<size_t>, std::vector<Elemento>>;
// The layer's system, the second well's diameter, rate and place, and the refusal's start.
using Faltas = Tabla<int, std::string, std::string, std::string, std::string>;
using Hojas = Tabla<std::string, std::string, Filas, std::string>;

// Layers of each format come into the study's system: the places they were made from, to the
// millimetre, x east and y north whatever the system's axis order. Fields found by name in either
// language, case and accents aside; numbers from number fields, or from text with a decimal comma.
// A study without a system takes the layer's; a layer without one is taken as it is.
TEST_P(Formatos, ReadsEachFormatIntoTheStudysSystem) {
    const auto& [nombre, driver, archivo, epsg, numeros, estudio, wkt] = GetParam();
    const Carpeta carpeta;
    escribir_capa(carpeta / archivo, driver, epsg,
                  {{"name", OFTString}, {"Diámetro", numeros}, {"Q", numeros}},
                  {{{"P", numeros == OFTReal ? "0.3" : "0,3", "-0.01"}, wkt}});
    const Resuelto<Importacion> leida = importar_capa(carpeta / archivo, Registro::pozo, estudio);
    ASSERT_TRUE(leida) << leida.rechazo();
    const Importacion& i = *leida;
    ASSERT_EQ(i.registros.size(), 1U);
    EXPECT_EQ(i.sistema, estudio.tiene() ? std::nullopt : std::optional(utm30));
    const auto& r = i.registros[0];
    const auto mm = [&](int k) { return std::round(strict_number(r[k]) * 1e3); };
    EXPECT_EQ(r[0], "P");
    EXPECT_EQ(r[1], "0.3");
    EXPECT_EQ(r[2], "-0.01");
    EXPECT_EQ(mm(3), 440125500);
    EXPECT_EQ(mm(4), 4470210300);
}

const char* wgs84 = "POINT (-3.70536362874363 40.380330026965)";  // as gdaltransform has it
// clang-format off
INSTANTIATE_TEST_SUITE_P(ImportarCapa, Formatos, testing::ValuesIn(std::vector<Formatos::ParamType>{
    {"geopackage_de_multipuntos", "GPKG", "a.gpkg", 25830, OFTReal, {}, "MULTIPOINT ((440125.5 4470210.3))"},
    {"kml", "LIBKML", "e.kml", 4326, OFTString, utm30, wgs84}, {"shapefile", "ESRI Shapefile", "b.shp", 4326, OFTString, utm30, wgs84},
    {"geojson", "GeoJSON", "f.geojson", 4326, OFTReal, utm30, wgs84},
    {"shapefile_de_otro_huso", "ESRI Shapefile", "c.shp", 25829, OFTReal, utm30, "POINT (949534.621726565 4483448.73181354)"},
    {"shapefile_sin_sistema", "ESRI Shapefile", "d.shp", 0, OFTString, utm30, "POINT (440125.5 4470210.3)"}}), por_nombre);
// clang-format on

// Features beyond the area of use of the system they land in by more than its own width or height
// are told by their place in the layer; those near it (Galicia or Catalonia in the UTM zone of the
// centre of Spain) are not.
TEST_P(Lejanos, FarFeaturesAreTold) {
    const auto& [nombre, epsg, estudio, lejanos, elementos] = GetParam();
    const Carpeta carpeta;
    escribir_capa(carpeta / "p.shp", "ESRI Shapefile", epsg, {{"nombre", OFTString}}, elementos,
                  "puntos");
    const Resuelto<Importacion> i = importar_capa(carpeta / "p.shp", Registro::punto, estudio);
    ASSERT_TRUE(i) << i.rechazo();
    EXPECT_EQ(i->registros.size(), elementos.size());
    EXPECT_EQ(i->lejanos, lejanos);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ImportarCapa, Lejanos, testing::ValuesIn(std::vector<Lejanos::ParamType>{
    {"longitudes", 4326, utm30, {1}, {{{"N"}, "POINT (-3.70 40.42)"}, {{"N"}, "POINT (150 40)"}, {{"N"}, "POINT (2.17 41.39)"}, {{"N"}, "POINT (-8.5 42.9)"}}},
    {"canarias", 4326, utm30, {0, 1}, {{{"N"}, "POINT (-15.4 28.1)"}, {{"N"}, "POINT (-3.7 -40)"}}},
    {"sin_sistema", 0, utm30, {1}, {{{"N"}, "POINT (440000 4470000)"}, {{"N"}, "POINT (440000 -15202379)"}}},
    {"el_de_la_capa", 25830, {}, {1}, {{{"N"}, "POINT (440000 4470000)"}, {{"N"}, "POINT (9e7 4470000)"}}},
    {"ninguno", 0, {}, {}, {{{"N"}, "POINT (440000 4470000)"}, {{"N"}, "POINT (9e7 -4e8)"}}}}), por_nombre);
// clang-format on

// A wells layer without a diameter field: the diameters empty, for the user to give one for all;
// points have none to lack.
TEST(ImportarCapa, WellsWithoutADiameter) {
    const Carpeta carpeta;
    escribir_capa(carpeta / "p.gpkg", "GPKG", 25830, {{"Pozo", OFTString}, {"Caudal", OFTReal}},
                  {{{"P1", "0.05"}, "POINT (440000 4470000)"}});
    const Resuelto<Importacion> i = importar_capa(carpeta / "p.gpkg", Registro::pozo, utm30);
    ASSERT_TRUE(i) << i.rechazo();
    EXPECT_TRUE(i->sin_diametro && i->capa == "La capa «pozos» de «p.gpkg»");
    EXPECT_EQ(i->registros, (Filas{{"P1", "", "0.05", "440000", "4470000"}}));
    const Resuelto<Importacion> puntos = importar_capa(carpeta / "p.gpkg", Registro::punto, utm30);
    ASSERT_TRUE(puntos) << puntos.rechazo();
    EXPECT_TRUE(!puntos->sin_diametro && puntos->registros == Filas({{"P1", "440000", "4470000"}}));
}

// Each fault refuses the whole layer, and the message says which: the feature that is no point or
// lacks a number, a system the study cannot take, the fields the layer lacks and those it has.
TEST_P(Faltas, RefusesTheWholeLayerAtTheFirstFault) {
    const auto& [nombre, epsg, diametro, caudal, wkt, mensaje] = GetParam();
    const Carpeta carpeta;
    const Campos campos = {{"nombre", OFTString}, {"diametro", OFTString}, {"CAUDAL", OFTReal}};
    escribir_capa(carpeta / "d.gpkg", "GPKG", 0, {{"nombre", OFTString}, {"diam", OFTReal}}, {});
    escribir_capa(carpeta / "e.gpkg", "GPKG", 25830, campos, {});
    const std::string capa = epsg != 0 ? "capa" : diametro;
    if (epsg != 0)  // the first feature right, the second as given
        escribir_capa(carpeta / capa + ".gpkg", "GPKG", epsg, campos,
                      {{{"A", "1", "2"}, punto}, {{"B", diametro, caudal}, wkt}});
    const Resuelto<Importacion> i = importar_capa(carpeta / capa + ".gpkg", Registro::pozo, {});
    EXPECT_TRUE(!i && i.rechazo().starts_with(mensaje)) << i.rechazo();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ImportarCapa, Faltas, testing::ValuesIn(std::vector<Faltas::ParamType>{
    {"una_linea", 25830, "1", "2", "LINESTRING (0 0,1 1)", "El elemento 2 («B») no tiene un punto por geometría"},
    {"sin_caudal", 25830, "1", "", punto, "El elemento 2 («B») no tiene valor en el campo «CAUDAL»."},
    {"diametro_no_numerico", 25830, "ancho", "2", punto, "El elemento 2 («B»), campo «diametro»: «ancho» no es un valor numérico."},
    {"en_grados", 4326, "1", "2", punto, "La capa está en «WGS 84», que no es un sistema proyectado"},
    {"sin_el_campo_del_caudal", 0, "d", "", "", "La capa «pozos» de «d.gpkg» no tiene el campo del caudal (caudal, gasto, rate o q). Sus campos son: nombre, diam."},
    {"sin_elementos", 0, "e", "", "", "La capa «pozos» de «e.gpkg» no tiene ningún elemento."},
    {"que_no_es_una_capa", 0, "no", "", "", "No se puede leer «no.gpkg» como capa de puntos (.gpkg, .shp, .geojson o .kml)."}}), por_nombre);
// clang-format on

// The same 17 wells in EPSG:25830, one of them injecting, from a CSV file with a header row,
// semicolons and decimal commas, and from the .xlsx and .ods files that LibreOffice saved of it
// (libreoffice --headless --infilter="CSV:59,34,76,1,,3082" --convert-to xlsx pozos.csv); and as
// an engineer keeps them, "Pozo, X (m), Y (m), Caudal [m3/s], Diámetro (m), Observaciones"
// (--infilter="CSV:44,34,76,1"), the column of their own listed: numbers as the add command
// stores them, names as they are. A first row of text above rows of numbers, naming no column, is
// a record all the same; a CSV file in Windows-1252, or with a byte order mark, reads as Windows
// saved it. The first cell that fails refuses the whole file, named by sheet, row and column as
// the spreadsheet numbers them; so do a header that lacks a column, files that are no
// spreadsheet, or that hold no row.
TEST(ImportarHoja, TheWellsOfTheCsvFile) {
    const Resuelto<Importacion> leida = importar_hoja(ABAT_DATOS "/pozos.csv", encabezados);
    ASSERT_TRUE(leida) << leida.rechazo();
    const Importacion& csv = *leida;
    ASSERT_EQ(csv.registros.size(), 17U);
    // clang-format off
    EXPECT_EQ((Filas{csv.registros[0], csv.registros[15], {csv.registros[16][0]}}),
              (Filas{{"P-01 Arroyo", "0.3", "0.015", "440125.5", "4470210.3"},
                     {"R-1 Recarga", "0.45", "-0.02", "440350.8", "4470020.5"}, {"P-16 Fuente Álamo"}}));
    // clang-format on
}

// The file, the text of a CSV file (none: written by GDAL, or one of tests/data), and the
// records it imports (none: the 17 wells of pozos.csv) or the start of its refusal.
TEST_P(Hojas, EveryRowOrNone) {
    const auto& [nombre, archivo, texto, registros, mensaje] = GetParam();
    const Carpeta carpeta;
    // clang-format off
    for (const auto& [hoja, cabecera, elementos, numeros] : std::vector<std::tuple<std::string, Texto, std::vector<Elemento>, OGRFieldType>>{
             {"h.xlsx", {"Peñón", "0,3", "1", "2", "3"}, {{dos[1], ""}}, OFTReal},
             {"m.xlsx", encabezados, {{dos[1], ""}, {{"P3", "0.3", "1", "1"}, ""}}, OFTReal},
             {"m.ods", encabezados, {{{"P1", "0.3", "abc", "1", "2"}, ""}}, OFTString}}) {
        // clang-format on
        Campos campos = {{cabecera[0], OFTString}};
        for (size_t c = 1; c < 5; ++c) campos.emplace_back(cabecera[c], numeros);
        escribir_capa(carpeta / hoja, hoja.ends_with(".ods") ? "ODS" : "XLSX", 0, campos, elementos,
                      "Pozos");
    }
    if (!texto.empty()) std::ofstream(carpeta / archivo, std::ios::binary) << texto;
    const Resuelto<Importacion> i =
        importar_hoja(archivo.starts_with("/") ? archivo : carpeta / archivo, encabezados);
    EXPECT_TRUE(i.rechazo().starts_with(mensaje) && i.ok() == mensaje.empty()) << i.rechazo();
    if (!i) return;
    const auto csv = [] { return importar_hoja(ABAT_DATOS "/pozos.csv", encabezados)->registros; };
    EXPECT_EQ(i->registros, registros.empty() ? csv() : registros);
    EXPECT_EQ(i->ignoradas, archivo.ends_with("cabecera.xlsx") ? Texto{"Observaciones"} : Texto{});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ImportarHoja, Hojas, testing::ValuesIn(std::vector<Hojas::ParamType>{
    {"xlsx_de_libreoffice", ABAT_DATOS "/pozos.xlsx", "", {}, ""}, {"ods_de_libreoffice", ABAT_DATOS "/pozos.ods", "", {}, ""},
    {"con_la_cabecera_de_un_ingeniero", ABAT_DATOS "/pozos_cabecera.xlsx", "", {}, ""}, {"primera_fila_de_texto", "h.xlsx", "", dos, ""},
    {"csv_de_windows_1252", "a.csv", "Pe\xF1\xF3n;0,3;1;2;3\r\nP2;0.3;1;2;3", dos, ""},
    {"csv_con_marca_de_orden", "b.csv", "\xEF\xBB\xBFPeñón,0.3,1,2,3\nP2,0.3,1,2,3\n", dos, ""},
    {"xlsx_sin_un_dato", "m.xlsx", "", {}, "«m.xlsx», hoja «Pozos», fila 3, columna E (Coordenada y [m]): falta el dato."},
    {"ods_con_letras", "m.ods", "", {}, "«m.ods», hoja «Pozos», fila 2, columna C (Gasto[m3/s]): «abc» no es un valor numérico."},
    {"csv_con_una_columna_de_mas", "m.csv", ";;\n\nP1;1;2;3;4;5\n", {}, "«m.csv», fila 3, columna 6: «5» sobra; cada fila debe tener 5 columnas (Nombre, Diámetro[m], Gasto[m3/s], Coordenada x [m], Coordenada y [m])."},
    {"cabecera_sin_diametro", "sin_diametro.csv", "Pozo;X;Y;Caudal\nP1;1;2;3\n", {}, "«sin_diametro.csv», fila 1 nombra las columnas, pero ninguna es la de «Diámetro[m]» (diámetro o diameter).\n\nNo se ha importado nada."},
    {"celda_vacia", "vacia.csv", "Pozo;X;Y;Caudal;Diámetro\nP1;1;;3;0,3\n", {}, "«vacia.csv», fila 2, columna 3 (Coordenada y [m]): falta el dato.\n\nNo se ha importado nada."},
    {"sin_filas", "vacio.csv", "\n\n", {}, "«vacio.csv» no tiene ninguna fila que importar en su primera hoja."},
    {"que_no_es_una_hoja", "no.xlsx", "", {}, "No se puede leer «no.xlsx» como hoja de cálculo."}}), por_nombre);
// clang-format on
