#include <gtest/gtest.h>

#include <functional>

#include "model/filas.h"
#include "model/grid.h"
#include "model/nodos_red.h"
#include "support/casos.h"

using namespace abat;
using namespace abat::prueba;

namespace {

// A view that writes down what it hears: < and > around a reshape, c a cell, s the selection.
struct Oyente : GridObserver {
    std::string oido;
    void gridAboutToReshape() override { oido += "<"; }
    void gridReshaped() override { oido += ">"; }
    void cellChanged(int /*fila*/, int /*col*/) override { oido += "c"; }
    void selectionChanged() override { oido += "s"; }
};

using Textos = Tabla<std::string>;

}  // namespace

// The format string fills the header row segment by segment, as the results table builds it: a
// leading "^" centres the column, the segment's text sizes it, segments beyond the columns add
// none, and columns beyond the last segment keep their header.
TEST(Grid, FormatStringSetsHeadersAlignmentAndWidths) {
    Grid r(2, 4, 1, 0);
    r.setFormatString("^ No. |^ Punto ");
    EXPECT_EQ(r.TextMatrix(0, 2), "");
    r.setFormatString("^ No. |^ Punto |Pozo|^|a|b|c");
    EXPECT_EQ(r.TextMatrix(0, 0), " No. ");
    EXPECT_EQ(r.TextMatrix(0, 1), " Punto ");
    EXPECT_TRUE(r.isCentred(0));
    EXPECT_TRUE(r.isCentred(1));
    EXPECT_FALSE(r.isCentred(2));
    EXPECT_EQ(r.widthText(2), "Pozo");
    EXPECT_EQ(r.Cols(), 4);
}

// Records in rows 1 to Rows - 2, numbered; the empty last row; renumbered after a removal, the
// current cell kept inside the table.
TEST(Grid, RowConventionOfTheTables) {
    Grid g(2, 6, 1, 1);
    EXPECT_FALSE(has_records(g) || has_records(Grid(3, 0, 1, 0)) || has_records(Grid(1, 6, 1, 1)));
    EXPECT_THROW(g.TextMatrix(g.Rows(), 0), std::out_of_range);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(append_record(g), k);
    EXPECT_EQ(g.TextMatrix(3, 0), "3");
    EXPECT_EQ(g.TextMatrix(4, 0), "");
    g.selectCell(4, 1);
    g.RemoveItem(1);
    renumber_records(g);
    EXPECT_EQ(g.TextMatrix(2, 0), "2");
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(g.RowSel(), 3);
    g.RemoveItem(1);
    g.RemoveItem(1);
    EXPECT_TRUE(g.Rows() == 2 && !has_records(g));
    g.setRows(5);
    g.selectCell(4, 5);
    g.setRows(2);  // a table cut short keeps the selection in it too
    g.setCols(3);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.RowSel(), 1);
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(g.ColSel(), 2);
    g.setRows(-1);
    EXPECT_EQ(g.Rows(), 0);
}

// A view hears of a batch of changes once, when the last batch ends; nothing in between.
TEST(Grid, ABatchIsToldOnceSelectionsOnlyInsideTheTable) {
    Oyente oyente;
    Grid g(2, 3, 1, 1);
    g.setObserver(&oyente);
    {
        const Grid::Lote lote(g);
        EXPECT_EQ(oyente.oido, "<");  // before any change
        const Grid::Lote dentro(g);
        g.setRows(5);
        g.setTextMatrix(1, 1, "x");
        g.selectCell(2, 2);
        EXPECT_EQ(oyente.oido, "<");
    }
    g.setTextMatrix(1, 2, "y");
    EXPECT_EQ(oyente.oido, "<>c");
    // The current cell and the selection's far corner move only to cells of the table, with or
    // without a view told of it.
    oyente.oido.clear();
    for (Oyente* vista : {static_cast<Oyente*>(nullptr), &oyente}) {
        Grid g(3, 4, 1, 1);
        g.setObserver(vista);
        const std::vector<std::pair<std::function<void(int)>, int>> mover = {
            {[&](int i) { g.setRow(i); }, g.Rows()},
            {[&](int i) { g.setCol(i); }, g.Cols()},
            {[&](int i) { g.setRowSel(i); }, g.Rows()},
            {[&](int i) { g.setColSel(i); }, g.Cols()},
            {[&](int i) { g.selectCell(i, i); }, g.Rows()}};
        for (const auto& [m, fuera] : mover) {
            EXPECT_THROW(m(fuera), std::out_of_range);
            EXPECT_THROW(m(-1), std::out_of_range);
            m(2);
        }
        EXPECT_EQ(g.Row(), 2);
        EXPECT_EQ(g.Col(), 2);
        EXPECT_EQ(g.RowSel(), 2);
        EXPECT_EQ(g.ColSel(), 2);
    }
    EXPECT_EQ(oyente.oido, "sssss");
}

// The grid's nodes in the order they came, by position from 1 or by a key of their own.
TEST(NodosRed, PositionsAndKeys) {
    colRed nodos;
    nodos.Add(1, 2, 3);
    nodos.Add(4, 5, 6, "b");
    nodos.Add(7, 8, 9, "c");
    EXPECT_THROW(nodos.Add(0, 0, 0, "b"), std::invalid_argument);
    EXPECT_EQ(nodos.Count(), 3);
    EXPECT_EQ(nodos.Item(2).x(), 4.0);
    EXPECT_EQ(nodos.Item("c").abat(), 9.0);
    EXPECT_THROW(nodos.Item(0), std::out_of_range);
    EXPECT_THROW(nodos.Item(4), std::out_of_range);
    EXPECT_THROW(nodos.Item(""), std::out_of_range);
    nodos.Remove("b");
    EXPECT_EQ(nodos.Count(), 2);
    EXPECT_EQ(nodos.Item(2).y(), 8.0);
    nodos.Remove(1);
    EXPECT_THROW(nodos.Item("b"), std::out_of_range);
    EXPECT_EQ(nodos.Item(1).x(), 7.0);
}

// A cell keeps any text as it was given, on either side of the 15 bytes it holds in itself:
// copied, moved, assigned from its own text, and the table's shape changed under it.
TEST_P(Textos, CellsKeepTextsOfEveryLength) {
    const std::string& t = std::get<1>(GetParam());
    Grid g(2, 2, 1, 1);
    g.setTextMatrix(1, 1, t);
    EXPECT_EQ(g.TextMatrix(1, 1), t);
    g.setTextMatrix(1, 1, g.TextMatrix(1, 1));  // its own text
    EXPECT_EQ(g.TextMatrix(1, 1), t);
    g.setTextMatrix(1, 0, g.TextMatrix(1, 1).substr(t.empty() ? 0 : 1));  // a part of another's
    EXPECT_EQ(g.TextMatrix(1, 0), t.empty() ? "" : t.substr(1));
    Grid copia = g;
    g.setTextMatrix(1, 1, "otro");
    Grid movida = std::move(copia);
    movida.setCols(5);  // the cells move to their new places
    movida.setRows(4);
    EXPECT_EQ(movida.TextMatrix(1, 1), t);
    EXPECT_EQ(movida.TextMatrix(1, 4), "");
    EXPECT_EQ(movida.TextMatrix(3, 1), "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Grid, Textos, testing::ValuesIn(std::vector<Textos::ParamType>{{"vacio", ""}, {"quince_bytes", std::string(15, 'a')},
    {"mas_de_quince_bytes_utf8", "Pozo Ñandú 💧 norte"}, {"con_un_nulo", std::string("a\0b", 3)}}), por_nombre);
// clang-format on
