#include <gtest/gtest.h>

#include "model/filas.h"
#include "model/portapapeles.h"

using namespace abat;

namespace {

const std::vector<std::string> pozos = {"Nombre", "Diámetro[m]", "Gasto[m3/s]", "Coordenada x [m]",
                                        "Coordenada y [m]"};
using Registros = std::vector<std::vector<std::string>>;
const Registros uno = {{"P", "1", "2", "3", "4"}};
const std::string cabecera =
    "Nombre\tDiámetro[m]\tGasto[m3/s]\tCoordenada x [m]\tCoordenada y [m]\n";
const std::string copia = "No.\t" + cabecera;  // as we copy a table, with its number column

}  // namespace

// What spreadsheets put on the clipboard: tabs, semicolons or commas, decimal commas, quotes
// (which may hold separators and line breaks), a header row, and blank lines at the end.
TEST(Pegado, ReadsWhatSpreadsheetsCopy) {
    const std::vector<std::pair<std::string, Registros>> casos = {
        {"P1\t0.3\t0.05\t100\t0\nP2\t0.3\t0.02\t-100\t0\n",
         {{"P1", "0.3", "0.05", "100", "0"}, {"P2", "0.3", "0.02", "-100", "0"}}},
        {"P;0,3;0,05;1E2;0\r\n", {{"P", "0.3", "0.05", "100", "0"}}},
        {"\"Pozo \"\"A\"\"\t1\"\t 0.3 \t0.05\t100\t0",
         {{"Pozo \"A\"\t1", "0.3", "0.05", "100", "0"}}},
        {"\"Norte\nSur\";1;2;3;4", {{"Norte\nSur", "1", "2", "3", "4"}}},
        {"P,1,2,3,4\n\"a;\",1,2,3,4", {{"P", "1", "2", "3", "4"}, {"a;", "1", "2", "3", "4"}}},
        {"\"c\t\";1;2;3;4", {{"c\t", "1", "2", "3", "4"}}},
        {cabecera + "P\t1\t2\t3\t4\n\n\t\n", uno},
        {copia + "1\tP\t1\t2\t3\t4", uno},
        {"\t1\t2\t3\t4", {{"", "1", "2", "3", "4"}}},
        // a well named as the header, its numbers as long as the headers
        {"Nombre\t123456789.01\t12345678.01\t123456789012.345\t123456789012.345",
         {{"Nombre", "123456789.01", "12345678.01", "123456789012.345", "123456789012.345"}}},
        {"\n\n", {}},
    };
    for (const auto& [texto, registros] : casos) {
        const Resuelto<Pegado> p = analizar_pegado(texto, pozos);
        ASSERT_TRUE(p) << texto << ": " << p.rechazo();
        EXPECT_EQ(p->registros, registros) << texto;
    }
}

// The first cell the add command would refuse refuses the whole paste, named by row and column.
TEST(Pegado, RefusesTheWholePasteAtTheFirstBadCell) {
    const std::string columnas =
        "; cada fila debe tener 5 columnas (Nombre, Diámetro[m], Gasto[m3/s], Coordenada x [m], "
        "Coordenada y [m]).";
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"P1\t1\t2\t3", "Fila 1, columna 5 (Coordenada y [m]): falta el dato" + columnas},
        {"P1\t1\t2\t3\t4\t5", "Fila 1, columna 6: «5» sobra" + columnas},
        {"P1\t1\t\t3\t4", "Fila 1, columna 3 (Gasto[m3/s]): falta el dato."},
        {"P1\t1\t1e400\t3\t4", "Fila 1, columna 3 (Gasto[m3/s]): «1e400» no es un valor numérico."},
        {"P1\t1.234,5\t2\t3\t4",
         "Fila 1, columna 2 (Diámetro[m]): «1.234,5» no es un valor numérico."},
        {"P1\t1\t2\t3\t4\n\nP3\t1\t2\t3\t4",
         "Fila 2, columna 2 (Diámetro[m]): falta el dato" + columnas},
        {"\"P\r1;2;3;4\r",
         "Fila 1, columna 2 (Diámetro[m]): falta el dato" + columnas},  // the quote holds all
        {"4\" tubo;x,1,2,3,4",
         "Fila 1, columna 3 (Gasto[m3/s]): falta el dato" + columnas},  // an inch
        {copia + "1\tP\t1\t2\t3", "Fila 2, columna 6 (Coordenada y [m]): falta el dato."},
        {copia + "1\tP\t1\tabc\t3\t4",
         "Fila 2, columna 4 (Gasto[m3/s]): «abc» no es un valor numérico."},
        {"P1\t1\t" + std::string(50, 'x') + "\t3\t4", "Fila 1, columna 3 (Gasto[m3/s]): «" +
                                                          std::string(40, 'x') +
                                                          "…» no es un valor numérico."},
        // a first row like the header but for its name is a header without the name's column
        {"P\t" + cabecera.substr(cabecera.find('\t') + 1),
         "La primera fila nombra las columnas, pero ninguna es la de «Nombre» (nombre, name, id, "
         "pozo o punto)."},
    };
    for (const auto& [texto, rechazo] : casos)
        EXPECT_EQ(analizar_pegado(texto, pozos).rechazo(), rechazo) << texto;
}

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
