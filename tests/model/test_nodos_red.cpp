#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "nodos_red.h"

using namespace abat;

TEST(ColRed, KeepsInsertionOrderAndKeys) {
    colRed c;
    c.Add(1, 2, 3);
    c.Add(4, 5, 6, "b");
    c.Add(7, 8, 9);
    EXPECT_EQ(c.Count(), 3);
    EXPECT_EQ(c.Item(2).x(), 4);
    EXPECT_EQ(c.Item("b").abat(), 6);
    EXPECT_THROW(c.Add(0, 0, 0, "b"), std::invalid_argument);
    EXPECT_THROW(c.Item(4), std::out_of_range);
    EXPECT_THROW(c.Item(0), std::out_of_range);
    EXPECT_THROW(c.Item("z"), std::out_of_range);
    c.Remove("b");
    EXPECT_EQ(c.Item(2).y(), 8);
    std::vector<double> xs;
    for (const cRedG& n : c) xs.push_back(n.x());
    EXPECT_EQ(xs, (std::vector<double>{1, 7}));
    c.Remove(1);
    EXPECT_EQ(c.Count(), 1);
    EXPECT_EQ(cRedG().abat(), 0);
}
