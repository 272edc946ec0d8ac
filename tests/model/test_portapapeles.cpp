#include <gtest/gtest.h>

#include "model/filas.h"
#include "model/portapapeles.h"
#include "support/casos.h"

using namespace abat;
using namespace abat::prueba;

namespace {

const std::vector<std::string> pozos = {"Nombre", "Diámetro[m]", "Gasto[m3/s]", "Coordenada x [m]",
                                        "Coordenada y [m]"};
using Registros = std::vector<std::vector<std::string>>;
const Registros uno = {{"P", "1", "2", "3", "4"}};
const std::string cabecera =
    "Nombre\tDiámetro[m]\tGasto[m3/s]\tCoordenada x [m]\tCoordenada y [m]\n";
const std::string copia = "No.\t" + cabecera;  // as we copy a table, with its number column
// What is pasted into which table: the records read and the columns left out, or the refusal.
using Pegados = Tabla<std::string, const std::vector<std::string>*, Registros,
                      std::vector<std::string>, std::string>;

}  // namespace

// What spreadsheets put on the clipboard: tabs, semicolons or commas, decimal commas, quotes
// (which may hold separators and line breaks), a header row, and blank lines at the end. The first
// cell the add command would refuse refuses the whole paste, named by row and column. (Headers in
// the user's words: test_cabeceras.)
TEST_P(Pegados, ReadsWhatSpreadsheetsCopyOrRefusesAtTheFirstBadCell) {
    const auto& [nombre, texto, tabla, registros, ignoradas, rechazo] = GetParam();
    const Resuelto<Pegado> p = analizar_pegado(texto, *tabla);
    ASSERT_EQ(p.rechazo(), rechazo);
    if (!p) return;
    EXPECT_EQ(p->registros, registros);
    EXPECT_EQ(p->ignoradas, ignoradas);
}

const std::string columnas =
    "; cada fila debe tener 5 columnas (Nombre, Diámetro[m], Gasto[m3/s], Coordenada x [m], "
    "Coordenada y [m]).";
// clang-format off
INSTANTIATE_TEST_SUITE_P(Pegado, Pegados, testing::ValuesIn(std::vector<Pegados::ParamType>{
    {"dos_filas_con_tabuladores", "P1\t0.3\t0.05\t100\t0\nP2\t0.3\t0.02\t-100\t0\n", &pozos, {{"P1", "0.3", "0.05", "100", "0"}, {"P2", "0.3", "0.02", "-100", "0"}}, {}, ""},
    {"punto_y_coma_y_coma_decimal", "P;0,3;0,05;1E2;0\r\n", &pozos, {{"P", "0.3", "0.05", "100", "0"}}, {}, ""},
    {"comillas_con_tabulador_dentro", "\"Pozo \"\"A\"\"\t1\"\t 0.3 \t0.05\t100\t0", &pozos, {{"Pozo \"A\"\t1", "0.3", "0.05", "100", "0"}}, {}, ""},
    {"salto_de_linea_entre_comillas", "\"Norte\nSur\";1;2;3;4", &pozos, {{"Norte\nSur", "1", "2", "3", "4"}}, {}, ""},
    {"comas_y_punto_y_coma_entre_comillas", "P,1,2,3,4\n\"a;\",1,2,3,4", &pozos, {{"P", "1", "2", "3", "4"}, {"a;", "1", "2", "3", "4"}}, {}, ""},
    {"tabulador_entre_comillas", "\"c\t\";1;2;3;4", &pozos, {{"c\t", "1", "2", "3", "4"}}, {}, ""},
    {"cabecera_y_lineas_en_blanco_al_final", cabecera + "P\t1\t2\t3\t4\n\n\t\n", &pozos, uno, {}, ""},
    {"copia_de_una_tabla", copia + "1\tP\t1\t2\t3\t4", &pozos, uno, {}, ""},
    {"nombre_vacio", "\t1\t2\t3\t4", &pozos, {{"", "1", "2", "3", "4"}}, {}, ""},
    // a well named as the header, its numbers as long as the headers
    {"pozo_llamado_como_la_cabecera", "Nombre\t123456789.01\t12345678.01\t123456789012.345\t123456789012.345", &pozos, {{"Nombre", "123456789.01", "12345678.01", "123456789012.345", "123456789012.345"}}, {}, ""},
    {"solo_lineas_en_blanco", "\n\n", &pozos, {}, {}, ""},
    {"falta_una_columna", "P1\t1\t2\t3", &pozos, {}, {}, "Fila 1, columna 5 (Coordenada y [m]): falta el dato" + columnas},
    {"columna_de_mas", "P1\t1\t2\t3\t4\t5", &pozos, {}, {}, "Fila 1, columna 6: «5» sobra" + columnas},
    {"celda_vacia", "P1\t1\t\t3\t4", &pozos, {}, {}, "Fila 1, columna 3 (Gasto[m3/s]): falta el dato."},
    {"fuera_de_rango", "P1\t1\t1e400\t3\t4", &pozos, {}, {}, "Fila 1, columna 3 (Gasto[m3/s]): «1e400» no es un valor numérico."},
    {"miles_con_punto", "P1\t1.234,5\t2\t3\t4", &pozos, {}, {}, "Fila 1, columna 2 (Diámetro[m]): «1.234,5» no es un valor numérico."},
    {"linea_en_blanco_en_medio", "P1\t1\t2\t3\t4\n\nP3\t1\t2\t3\t4", &pozos, {}, {}, "Fila 2, columna 2 (Diámetro[m]): falta el dato" + columnas},
    {"comilla_que_lo_abarca_todo", "\"P\r1;2;3;4\r", &pozos, {}, {}, "Fila 1, columna 2 (Diámetro[m]): falta el dato" + columnas},
    {"comilla_de_pulgadas", "4\" tubo;x,1,2,3,4", &pozos, {}, {}, "Fila 1, columna 3 (Gasto[m3/s]): falta el dato" + columnas},
    {"copia_sin_una_columna", copia + "1\tP\t1\t2\t3", &pozos, {}, {}, "Fila 2, columna 6 (Coordenada y [m]): falta el dato."},
    {"copia_con_letras", copia + "1\tP\t1\tabc\t3\t4", &pozos, {}, {}, "Fila 2, columna 4 (Gasto[m3/s]): «abc» no es un valor numérico."},
    {"texto_largo_acortado", "P1\t1\t" + std::string(50, 'x') + "\t3\t4", &pozos, {}, {}, "Fila 1, columna 3 (Gasto[m3/s]): «" + std::string(40, 'x') + "…» no es un valor numérico."},
    // a first row like the header but for its name is a header without the name's column
    {"cabecera_sin_nombre", "P\t" + cabecera.substr(cabecera.find('\t') + 1), &pozos, {}, {}, "La primera fila nombra las columnas, pero ninguna es la de «Nombre» (nombre, name, id, pozo o punto)."}}), por_nombre);
// clang-format on

// Copies read as shown, header first: a selection, or every record; quoted where a spreadsheet
// would need it.
TEST(Copiado, SelectionOrEveryRecordWithTheHeader) {
    Grid g(2, 4, 1, 1);
    g.setFormatString("^ No. |^ Punto |^   Pozo P1[m]   |^ Abatimiento Total[m] ");
    for (const auto& fila : Registros{{"A", ".5", "0.5"}, {"B\t\"2\"", "12.", "12"}}) {
        const int r = append_record(g);
        for (int c = 0; c < 3; ++c) g.setTextMatrix(r, c + 1, fila[static_cast<size_t>(c)]);
    }
    EXPECT_EQ(como_texto(g, bloque_a_copiar(g)),
              "No.\tPunto\tPozo P1[m]\tAbatimiento Total[m]\n1\tA\t.5\t0.5\n"
              "2\t\"B\t\"\"2\"\"\"\t12.\t12\n");
    g.selectCell(1, 3);
    g.setRowSel(3);  // into the empty last row: clipped to the records
    EXPECT_EQ(como_texto(g, bloque_a_copiar(g)), "Abatimiento Total[m]\n0.5\n12\n");
    g.selectCell(2, 2);
    g.setColSel(3);  // one record, two columns
    EXPECT_EQ(como_texto(g, bloque_a_copiar(g)), "Pozo P1[m]\tAbatimiento Total[m]\n12.\t12\n");
    Grid vacia(2, 4, 1, 1);
    vacia.setFormatString("^ No. |^ Nombre |^ x |^ y ");
    EXPECT_EQ(como_texto(vacia, bloque_a_copiar(vacia)), "No.\tNombre\tx\ty\n");
}
