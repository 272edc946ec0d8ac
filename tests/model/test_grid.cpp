#include <gtest/gtest.h>

#include "filas.h"
#include "grid.h"

using namespace abat;

// The format string fills the header row segment by segment, as the results table builds it: a
// leading "^" centres the column, the segment's text sizes it, segments beyond the columns add
// none, and columns beyond the last segment keep their header.
TEST(Grid, FormatStringSetsHeadersAlignmentAndWidths) {
    Grid r(2, 4, 1, 0);
    r.setFormatString("^ No. |^ Punto ");
    EXPECT_EQ(r.TextMatrix(0, 2), "");
    r.setFormatString("^ No. |^ Punto |Pozo|^|a|b|c");
    EXPECT_EQ(std::tuple(r.TextMatrix(0, 0), r.TextMatrix(0, 1), r.isCentred(0), r.isCentred(1),
                         r.isCentred(2), r.widthText(2)),
              std::tuple(" No. ", " Punto ", true, true, false, "Pozo"));
    EXPECT_EQ(r.Cols(), 4);
}

// Records in rows 1 to Rows - 2, numbered; the empty last row; renumbered after a removal, the
// current cell kept inside the table.
TEST(Grid, RowConventionOfTheTables) {
    Grid g(2, 6, 1, 1);
    EXPECT_FALSE(has_records(g) || has_records(Grid(3, 0, 1, 0)) || has_records(Grid(1, 6, 1, 1)));
    EXPECT_THROW(g.TextMatrix(g.Rows(), 0), std::out_of_range);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(append_record(g), k);
    EXPECT_EQ(std::tuple(g.TextMatrix(3, 0), g.TextMatrix(4, 0)), std::tuple("3", ""));
    g.selectCell(4, 1);
    g.RemoveItem(1);
    renumber_records(g);
    EXPECT_EQ(std::tuple(g.TextMatrix(2, 0), g.Row(), g.RowSel()), std::tuple("2", 3, 3));
    g.RemoveItem(1);
    g.RemoveItem(1);
    EXPECT_TRUE(g.Rows() == 2 && !has_records(g));
    g.setRows(5);
    g.selectCell(4, 5);
    g.setRows(2);  // a table cut short keeps the selection in it too
    g.setCols(3);
    EXPECT_EQ(std::tuple(g.Row(), g.RowSel(), g.Col(), g.ColSel()), std::tuple(1, 1, 2, 2));
    g.setRows(-1);
    EXPECT_EQ(g.Rows(), 0);
}

// A view hears of a batch of changes once, when the last batch ends; nothing in between.
TEST(Grid, ABatchIsToldOnceWhenItEnds) {
    struct Oyente : GridObserver {
        std::string oido;
        void gridAboutToReshape() override { oido += "<"; }
        void gridReshaped() override { oido += ">"; }
        void cellChanged(int /*fila*/, int /*col*/) override { oido += "c"; }
        void selectionChanged() override { oido += "s"; }
    } oyente;
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
}
