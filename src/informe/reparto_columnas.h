#pragma once
// A table too wide for a page, in shares that each fit: its first columns (the row's name) in
// every share, the middle ones in order across the shares, the last one (a total) in the first.

#include <vector>

namespace abat {

// The columns (from 0) of each share of a table of `columnas` columns whose first `fijas` repeat
// and whose last one, with `total`, stays in the first share; at most `caben` columns a share
// (never fewer than the repeated ones and one more).
std::vector<std::vector<int>> repartir_columnas(int columnas, int fijas, bool total, int caben);

}  // namespace abat
