#include "model/filas.h"

#include <algorithm>
#include <string>

namespace abat {

int record_count(const Grid& grid) {
    return std::max(grid.Rows() - 2, 0);
}

bool has_records(const Grid& grid) {
    return grid.Rows() > 1 && grid.Cols() > 0 && !grid.TextMatrix(1, 0).empty();
}

int append_record(Grid& grid) {
    grid.setRows(grid.Rows() + 1);
    const int row = grid.Rows() - 2;
    grid.setTextMatrix(row, 0, std::to_string(row));
    return row;
}

void renumber_records(Grid& grid) {
    for (int i = 1; i <= grid.Rows() - 2; ++i) grid.setTextMatrix(i, 0, std::to_string(i));
}

}  // namespace abat
