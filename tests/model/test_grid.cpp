#include <gtest/gtest.h>

#include <stdexcept>

#include "filas.h"
#include "grid.h"

using namespace abat;

// The format string fills the header row segment by segment, as the results table builds it.
TEST(Grid, FormatStringSetsHeadersAlignmentAndWidths) {
    Grid r(2, 4, 1, 0);
    r.setFormatString("^ No. |^ Punto ");
    EXPECT_EQ(r.TextMatrix(0, 2), "");  // beyond the last segment
    r.setFormatString("^ No. |^ Punto |Pozo");
    EXPECT_EQ(r.TextMatrix(0, 1), " Punto ");
    EXPECT_TRUE(r.isCentred(1));
    EXPECT_FALSE(r.isCentred(2));
    EXPECT_EQ(r.widthText(2), "Pozo");
    r.setFormatString("a|b|c|d|e|f");  // segments beyond the columns add none
    EXPECT_EQ(r.Cols(), 4);
    EXPECT_THROW(r.TextMatrix(2, 0), std::out_of_range);
}

TEST(Grid, RowConventionOfTheTables) {
    Grid g(2, 6, 1, 1);
    g.setFormatString("^ No. |^ Nombre ");
    EXPECT_FALSE(has_records(g));
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(append_record(g), k);
    EXPECT_EQ(g.TextMatrix(3, 0), "3");
    EXPECT_EQ(g.TextMatrix(4, 0), "");  // the empty last row
    g.selectCell(4, 1);
    g.RemoveItem(1);
    renumber_records(g);
    EXPECT_EQ(g.TextMatrix(2, 0), "2");
    EXPECT_EQ(g.Row(), 3);  // the current cell stays inside the table
    g.RemoveItem(1);
    g.RemoveItem(1);
    EXPECT_EQ(g.Rows(), 2);
    EXPECT_FALSE(has_records(g));
    EXPECT_EQ(g.TextMatrix(0, 0), " No. ");
}

// A view hears of a batch of changes once, when the last batch ends; nothing in between.
TEST(Grid, ABatchIsToldOnceWhenItEnds) {
    struct Oyente : GridObserver {
        std::string oido;
        void gridAboutToReshape() override { oido += "<"; }
        void gridReshaped() override { oido += ">"; }
        void cellChanged(int, int) override { oido += "c"; }
        void selectionChanged() override { oido += "s"; }
    } oyente;
    Grid g(2, 3, 1, 1);
    g.setObserver(&oyente);
    {
        const Grid::Lote lote(g);
        const Grid::Lote dentro(g);
        g.setRows(5);
        g.setTextMatrix(1, 1, "x");
        g.selectCell(2, 2);
        EXPECT_EQ(oyente.oido, "<");
    }
    EXPECT_EQ(oyente.oido, "<>");
    g.setTextMatrix(1, 2, "y");
    EXPECT_EQ(oyente.oido, "<>c");
}
