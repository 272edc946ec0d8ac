#pragma once
// The row convention shared by the wells, points and results tables: row 0 is the header, the
// records are rows 1 to Rows - 2 (row k holds record k), and one empty row always comes last.

#include "model/grid.h"

namespace abat {

// Number of records: Rows - 2, never below 0.
int record_count(const Grid& grid);

// At least one record: the number cell of row 1 is not empty.
bool has_records(const Grid& grid);

// Grows the table by one row and returns the row that receives the new record, which was the
// empty last row until then; its number is written into column 0.
int append_record(Grid& grid);

// Writes 1, 2, ... into column 0 of the records, after a removal.
void renumber_records(Grid& grid);

}  // namespace abat
