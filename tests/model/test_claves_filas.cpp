// A row's key follows the row through every insertion and removal and is never given again: what
// a window keeps beside a record (a well's pumping schedule) follows its record.
#include <gtest/gtest.h>

#include <set>

#include "model/filas.h"
#include "model/grid.h"

using namespace abat;

TEST(ClavesFilas, AKeyStaysWithItsRowAndIsNeverGivenAgain) {
    Grid g(2, 6, 1, 1);
    for (int k = 0; k < 4; ++k) append_record(g);  // records 1 to 4
    std::vector<uint64_t> antes;
    for (int r = 0; r < g.Rows(); ++r) antes.push_back(g.clave(r));
    EXPECT_EQ(std::set<uint64_t>(antes.begin(), antes.end()).size(), antes.size());
    g.RemoveItem(2);  // the rows below move up with their keys
    EXPECT_EQ(g.clave(1), antes[1]);
    EXPECT_EQ(g.clave(2), antes[3]);
    EXPECT_EQ(g.clave(3), antes[4]);
    g.setRows(3);  // shrunk, then grown: the rows appended are new
    g.setRows(6);
    std::set<uint64_t> vistas(antes.begin(), antes.end());
    for (int r = 3; r < 6; ++r) EXPECT_TRUE(vistas.insert(g.clave(r)).second) << r;
    g.setTextMatrix(1, 1, "x");  // a cell's text, the whole table cleared: the keys stay
    g.Clear();
    EXPECT_EQ(g.clave(1), antes[1]);
    EXPECT_THROW(g.clave(6), std::out_of_range);
}
