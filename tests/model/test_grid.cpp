#include <gtest/gtest.h>

#include <stdexcept>

#include "filas.h"
#include "grid.h"

using namespace abat;

namespace {
Grid tabla_pozos() {
    Grid g(2, 6, 1, 1);
    g.setFormatString(
        "^ No. |^   Nombre  |^  Diámetro[m]  |^  Gasto[m3/s]  |^  Coordenada x [m]  |^  "
        "Coordenada y [m]");
    return g;
}
}  // namespace

TEST(Grid, RowsAndColsGrowAndShrinkKeepingText) {
    Grid g(2, 3, 1, 1);
    g.setTextMatrix(1, 2, "x");
    g.setRows(5);
    EXPECT_EQ(g.Rows(), 5);
    EXPECT_EQ(g.TextMatrix(1, 2), "x");
    EXPECT_EQ(g.TextMatrix(4, 2), "");
    g.setCols(4);
    EXPECT_EQ(g.TextMatrix(1, 2), "x");
    EXPECT_EQ(g.TextMatrix(4, 3), "");
    g.setRows(2);
    g.setCols(2);
    EXPECT_THROW(g.TextMatrix(2, 0), std::out_of_range);
    EXPECT_THROW(g.setTextMatrix(0, 2, "y"), std::out_of_range);
    EXPECT_THROW(g.TextMatrix(-1, 0), std::out_of_range);
}

TEST(Grid, FormatStringSetsHeadersAlignmentAndWidths) {
    Grid g = tabla_pozos();
    EXPECT_EQ(g.TextMatrix(0, 0), " No. ");
    EXPECT_EQ(g.TextMatrix(0, 1), "   Nombre  ");
    EXPECT_EQ(g.TextMatrix(0, 5), "  Coordenada y [m]");
    EXPECT_TRUE(g.isCentred(0));
    EXPECT_EQ(g.widthText(2), "  Diámetro[m]  ");

    // Built up over several writes: columns beyond the last segment keep an empty header.
    Grid r(2, 4, 1, 0);
    r.setFormatString("^ No. |^ Punto ");
    EXPECT_EQ(r.TextMatrix(0, 2), "");
    r.setFormatString("^ No. |^ Punto |Pozo");
    EXPECT_EQ(r.TextMatrix(0, 2), "Pozo");
    EXPECT_FALSE(r.isCentred(2));
    EXPECT_EQ(r.FormatString(), "^ No. |^ Punto |Pozo");
    // Segments beyond the columns are ignored, never add columns.
    r.setFormatString("a|b|c|d|e|f");
    EXPECT_EQ(r.Cols(), 4);
    EXPECT_EQ(r.TextMatrix(0, 3), "d");
}

TEST(Grid, RemoveItemClearAndSelection) {
    Grid g(5, 2, 1, 1);
    for (int i = 1; i < 5; ++i) g.setTextMatrix(i, 1, std::to_string(i * 10));
    g.selectCell(4, 1);
    g.RemoveItem(2);
    EXPECT_EQ(g.Rows(), 4);
    EXPECT_EQ(g.TextMatrix(2, 1), "30");
    EXPECT_EQ(g.Row(), 3);  // the current cell stays inside the table
    EXPECT_EQ(g.RowSel(), 3);
    g.setFormatString("^No.|x");
    g.Clear();
    EXPECT_EQ(g.Rows(), 4);
    EXPECT_EQ(g.Cols(), 2);
    EXPECT_EQ(g.TextMatrix(0, 0), "");
    EXPECT_EQ(g.TextMatrix(1, 1), "");
    g.selectCell(1, 1);
    g.setRowSel(3);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.RowSel(), 3);
}

TEST(Grid, RowConventionOfTheTables) {
    Grid g = tabla_pozos();
    EXPECT_EQ(record_count(g), 0);
    EXPECT_FALSE(has_records(g));
    EXPECT_EQ(append_record(g), 1);
    EXPECT_EQ(append_record(g), 2);
    EXPECT_EQ(append_record(g), 3);
    EXPECT_EQ(g.Rows(), 5);
    EXPECT_EQ(g.TextMatrix(3, 0), "3");
    EXPECT_EQ(g.TextMatrix(4, 0), "");  // the empty last row
    EXPECT_TRUE(has_records(g));
    g.RemoveItem(1);
    renumber_records(g);
    EXPECT_EQ(g.TextMatrix(1, 0), "1");
    EXPECT_EQ(g.TextMatrix(2, 0), "2");
    EXPECT_EQ(g.TextMatrix(3, 0), "");
    g.RemoveItem(1);
    g.RemoveItem(1);
    renumber_records(g);
    EXPECT_EQ(g.Rows(), 2);
    EXPECT_FALSE(has_records(g));
    EXPECT_EQ(g.TextMatrix(0, 0), " No. ");
}
