#include <gtest/gtest.h>

#include <fstream>

#include "sig/archivos_sig.h"
#include "sig/importacion.h"

using namespace abat;
using namespace abat::prueba;

namespace {

using Filas = std::vector<std::vector<std::string>>;
const std::vector<std::string> encabezados = {"Nombre", "Diámetro[m]", "Gasto[m3/s]",
                                              "Coordenada x [m]", "Coordenada y [m]"};

// A spreadsheet (.xlsx, .ods) written by GDAL, the first row heading the columns of its sheet
// "Pozos", the names text and the other cells of the type given.
void escribir_hoja(const std::string& ruta, const Filas& filas, OGRFieldType numeros) {
    std::vector<std::pair<std::string, OGRFieldType>> campos;
    for (const std::string& c : filas[0])
        campos.emplace_back(c, campos.empty() ? OFTString : numeros);
    std::vector<Elemento> elementos;
    for (size_t f = 1; f < filas.size(); ++f) elementos.push_back({filas[f], ""});
    escribir_capa(ruta, ruta.ends_with(".ods") ? "ODS" : "XLSX", 0, campos, elementos, "Pozos");
}

}  // namespace

// The same 17 wells in EPSG:25830, one of them injecting, from a CSV file with a header row,
// semicolons and decimal commas, and from the .xlsx and .ods files that LibreOffice saved of it
// (libreoffice --headless --infilter="CSV:59,34,76,1,,3082" --convert-to xlsx pozos.csv): numbers
// as the add command stores them, names as they are.
TEST(ImportarHoja, TheSameWellsFromEachSpreadsheet) {
    const Importacion csv = importar_hoja(ABAT_DATOS "/pozos.csv", encabezados);
    ASSERT_EQ(csv.registros.size(), 17U) << csv.rechazo;
    const Filas algunos = {csv.registros[0], csv.registros[15], {csv.registros[16][0]}};
    // clang-format off
    EXPECT_EQ(algunos, (Filas{{"P-01 Arroyo", "0.3", "0.015", "440125.5", "4470210.3"},
                              {"R-1 Recarga", "0.45", "-0.02", "440350.8", "4470020.5"}, {"P-16 Fuente Álamo"}}));
    // clang-format on
    for (const char* hoja : {"/pozos.xlsx", "/pozos.ods"}) {
        const Importacion i = importar_hoja(std::string(ABAT_DATOS) + hoja, encabezados);
        EXPECT_EQ(std::tie(i.rechazo, i.registros), std::tie(csv.rechazo, csv.registros)) << hoja;
    }
}

// A first row of text above rows of numbers, naming no column, is a record all the same; a
// CSV file in Windows-1252, or with a byte order mark, reads as Windows saved it. The first cell
// that fails refuses the whole file, named by sheet, row and column as the spreadsheet numbers
// them; so do files that are no spreadsheet, or that hold no row.
TEST(ImportarHoja, EveryRowOrNone) {
    const Carpeta carpeta;
    const Filas dos = {{"Peñón", "0.3", "1", "2", "3"}, {"P2", "0.3", "1", "2", "3"}};
    escribir_hoja(carpeta / "h.xlsx", {{"Peñón", "0,3", "1", "2", "3"}, dos[1]}, OFTReal);
    escribir_hoja(carpeta / "m.xlsx", {encabezados, dos[1], {"P3", "0.3", "1", "1"}}, OFTReal);
    escribir_hoja(carpeta / "m.ods", {encabezados, {"P1", "0.3", "abc", "1", "2"}}, OFTString);
    // clang-format off
    for (const auto& [archivo, texto] : std::vector<std::pair<std::string, std::string>>{
             {"a.csv", "Pe\xF1\xF3n;0,3;1;2;3\r\nP2;0.3;1;2;3"}, {"vacio.csv", "\n\n"},
             {"b.csv", "\xEF\xBB\xBFPeñón,0.3,1,2,3\nP2,0.3,1,2,3\n"},
             {"m.csv", ";;\n\nP1;1;2;3;4;5\n"}}) {
        std::ofstream(carpeta / archivo, std::ios::binary) << texto;
    }
    const std::string columnas = "; cada fila debe tener 5 columnas (Nombre, Diámetro[m], Gasto[m3/s], Coordenada x [m], Coordenada y [m]).";
    for (const auto& [archivo, registros, mensaje] : std::vector<std::tuple<std::string, Filas, std::string>>{
             {"h.xlsx", dos, ""}, {"a.csv", dos, ""}, {"b.csv", dos, ""},
             {"m.xlsx", {}, "«m.xlsx», hoja «Pozos», fila 3, columna E (Coordenada y [m]): falta el dato."},
             {"m.ods", {}, "«m.ods», hoja «Pozos», fila 2, columna C (Gasto[m3/s]): «abc» no es un valor numérico."},
             {"m.csv", {}, "«m.csv», fila 3, columna 6: «5» sobra" + columnas},
             {"vacio.csv", {}, "«vacio.csv» no tiene ninguna fila que importar en su primera hoja."},
             {"no.xlsx", {}, "No se puede leer «no.xlsx» como hoja de cálculo."}}) {
        // clang-format on
        const Importacion i = importar_hoja(carpeta / archivo, encabezados);
        EXPECT_TRUE(i.registros == registros && i.rechazo.starts_with(mensaje) &&
                    i.rechazo.empty() == mensaje.empty())
            << archivo << ": " << i.rechazo;
    }
}
