#include <gtest/gtest.h>

#include "filas.h"
#include "portapapeles.h"

using namespace abat;

namespace {

const std::vector<std::string> pozos = {"Nombre", "Diámetro[m]", "Gasto[m3/s]", "Coordenada x [m]",
                                        "Coordenada y [m]"};
using Registros = std::vector<std::vector<std::string>>;

struct CasoPegado {
    const char* nombre;
    const char* texto;
    Registros registros;
};

}  // namespace

// What spreadsheets put on the clipboard, and the records it gives.
TEST(Pegado, ReadsWhatSpreadsheetsCopy) {
    const CasoPegado casos[] = {
        {"tabs",
         "P1\t0.3\t0.05\t100\t0\nP2\t0.3\t0.02\t-100\t0\n",
         {{"P1", "0.3", "0.05", "100", "0"}, {"P2", "0.3", "0.02", "-100", "0"}}},
        {"semicolons, decimal commas, CRLF",
         "P1;0,3;0,05;1E2;0\r\n",
         {{"P1", "0.3", "0.05", "100", "0"}}},
        {"commas", "P1,0.3,0.05,100,0", {{"P1", "0.3", "0.05", "100", "0"}}},
        {"quoted",
         "\"Pozo \"\"A\"\"\t1\"\t 0.3 \t0.05\t100\t0",
         {{"Pozo \"A\"\t1", "0.3", "0.05", "100", "0"}}},
        {"quoted line break", "\"Norte\nSur\";1;2;3;4", {{"Norte\nSur", "1", "2", "3", "4"}}},
        {"a semicolon within quotes", "\"a;b\",0.3,0.05,1,2", {{"a;b", "0.3", "0.05", "1", "2"}}},
        {"a tab within quotes", "\"c\td\";0,3;0,05;1;2", {{"c\td", "0.3", "0.05", "1", "2"}}},
        {"header row and blank trailing lines",
         "Nombre\tDiámetro[m]\tGasto[m3/s]\tCoordenada x [m]\tCoordenada y "
         "[m]\nP\t1\t2\t3\t4\n\n\t\n",
         {{"P", "1", "2", "3", "4"}}},
        {"our own copy, with its number column",
         "No.\tNombre\tDiámetro[m]\tGasto[m3/s]\tCoordenada x [m]\tCoordenada y [m]\n"
         "1\tP\t1\t2\t3\t4\n",
         {{"P", "1", "2", "3", "4"}}},
        {"empty name", "\t1\t2\t3\t4", {{"", "1", "2", "3", "4"}}},
        {"nothing", "\n\n", {}},
    };
    for (const CasoPegado& c : casos) {
        const Pegado p = analizar_pegado(c.texto, pozos);
        EXPECT_FALSE(p.rechazo.has_value()) << c.nombre;
        EXPECT_EQ(p.registros, c.registros) << c.nombre;
    }
}

// The first cell the add command would refuse refuses the whole paste, named by row and column.
TEST(Pegado, RefusesTheWholePasteAtTheFirstBadCell) {
    struct Caso {
        const char* texto;
        RechazoPegado::Motivo motivo;
        int fila, columna;
        const char* celda;
        const char* encabezado;
    };
    const Caso casos[] = {
        {"P1\t1\t2\t3\t4\nP2\t1\tabc\t3\t4", RechazoPegado::no_numerico, 2, 3, "abc",
         "Gasto[m3/s]"},
        {"P1\t1\t2\t3", RechazoPegado::faltan_celdas, 1, 5, "", "Coordenada y [m]"},
        {"P1\t1\t2\t3\t4\t5", RechazoPegado::sobran_celdas, 1, 6, "5", ""},
        {"P1\t1\t\t3\t4", RechazoPegado::no_numerico, 1, 3, "", "Gasto[m3/s]"},
        {"P1\t1\t1e400\t3\t4", RechazoPegado::no_numerico, 1, 3, "1e400", "Gasto[m3/s]"},
        {"P1\t1.234,5\t2\t3\t4", RechazoPegado::no_numerico, 1, 2, "1.234,5", "Diámetro[m]"},
        {"P1\t1\t2\t3\t4\n\nP3\t1\t2\t3\t4", RechazoPegado::faltan_celdas, 2, 2, "", "Diámetro[m]"},
    };
    for (const Caso& c : casos) {
        const Pegado p = analizar_pegado(c.texto, pozos);
        ASSERT_TRUE(p.rechazo.has_value()) << c.texto;
        EXPECT_TRUE(p.registros.empty()) << c.texto;
        EXPECT_EQ(p.rechazo->motivo, c.motivo) << c.texto;
        EXPECT_EQ(p.rechazo->fila, c.fila) << c.texto;
        EXPECT_EQ(p.rechazo->columna, c.columna) << c.texto;
        EXPECT_EQ(p.rechazo->texto, c.celda) << c.texto;
        EXPECT_EQ(p.rechazo->encabezado, c.encabezado) << c.texto;
    }
}

// Copies read as shown, header first: a selection, or every record; quoted where a spreadsheet
// would need it, and escaped in HTML.
TEST(Copiado, SelectionOrEveryRecordWithTheHeader) {
    Grid g(2, 4, 1, 1);
    g.setFormatString("^ No. |^ Punto |^   Pozo P1[m]   |^ Abatimiento Total[m] ");
    for (const auto& fila : Registros{{"A", ".5", "0.5"}, {"B\t<2>", "12.", "12"}}) {
        const int r = append_record(g);
        for (int c = 0; c < 3; ++c) g.setTextMatrix(r, c + 1, fila[static_cast<size_t>(c)]);
    }
    EXPECT_EQ(como_texto(g, bloque_a_copiar(g)),
              "No.\tPunto\tPozo P1[m]\tAbatimiento Total[m]\n1\tA\t.5\t0.5\n"
              "2\t\"B\t<2>\"\t12.\t12\n");
    EXPECT_EQ(como_html(g, bloque_a_copiar(g))
                  .rfind("<meta charset=\"utf-8\"><table><tr><th>No.</th><th>Punto</th>", 0),
              0U);
    EXPECT_NE(como_html(g, bloque_a_copiar(g)).find("<td>B\t&lt;2&gt;</td>"), std::string::npos);

    g.selectCell(2, 3);
    g.setRowSel(3);  // into the empty last row: clipped to the records
    g.setColSel(2);
    EXPECT_EQ(como_texto(g, bloque_a_copiar(g)), "Pozo P1[m]\tAbatimiento Total[m]\n12.\t12\n");

    Grid vacia(2, 4, 1, 1);
    vacia.setFormatString("^ No. |^ Nombre |^ x |^ y ");
    EXPECT_EQ(como_texto(vacia, bloque_a_copiar(vacia)), "No.\tNombre\tx\ty\n");
}
