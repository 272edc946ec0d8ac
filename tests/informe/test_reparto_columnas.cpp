// A results table too wide for a page, in shares: the point's number and name in each, the wells
// in order across them, the total in the first.
#include <gtest/gtest.h>

#include "informe/reparto_columnas.h"

namespace abat {
namespace {

struct Reparto {
    const char* nombre;
    int columnas;
    int fijas;
    bool total;
    int caben;
    std::vector<std::vector<int>> partes;
};

class RepartoColumnas : public testing::TestWithParam<Reparto> {};

TEST_P(RepartoColumnas, EachShareFitsAndHoldsItsColumns) {
    const Reparto& r = GetParam();
    EXPECT_EQ(repartir_columnas(r.columnas, r.fijas, r.total, r.caben), r.partes);
}

INSTANTIATE_TEST_SUITE_P(
    Tablas, RepartoColumnas,
    testing::Values(
        Reparto{"unPozo", 4, 2, true, 9, {{0, 1, 2, 3}}},
        Reparto{"sinPozos", 3, 2, true, 9, {{0, 1, 2}}},
        Reparto{"justoUnaPagina", 9, 2, true, 9, {{0, 1, 2, 3, 4, 5, 6, 7, 8}}},
        Reparto{"unaColumnaDeMas", 10, 2, true, 9, {{0, 1, 2, 3, 4, 5, 6, 7, 9}, {0, 1, 8}}},
        Reparto{"diecisietePozos",
                20,
                2,
                true,
                9,
                {{0, 1, 2, 3, 4, 5, 6, 7, 19},
                 {0, 1, 8, 9, 10, 11, 12, 13, 14},
                 {0, 1, 15, 16, 17, 18}}},
        Reparto{"sinTotal", 6, 1, false, 3, {{0, 1, 2}, {0, 3, 4}, {0, 5}}},
        // Fewer than the repeated columns, one share's column and the total: those fit anyway.
        Reparto{"demasiadoEstrecha", 6, 2, true, 1, {{0, 1, 2, 5}, {0, 1, 3, 4}}}),
    [](const testing::TestParamInfo<Reparto>& i) { return std::string(i.param.nombre); });

}  // namespace
}  // namespace abat
