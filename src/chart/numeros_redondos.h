#pragma once
// Round numbers, the steps a reader counts in without effort: a mantissa of a series (1, 2, 5 or
// 1, 2, 2.5, 5) times a power of ten. The plan chart's axis units, the map's isoline intervals and
// its scale bar are all such numbers.

namespace abat {

enum class Serie {
    uno_dos_cinco,              // 1, 2, 5, 10, 20, 50, ...
    uno_dos_dos_y_medio_cinco,  // 1, 2, 2.5, 5, 10, 20, 25, 50, ...
};

struct Redondo {
    int mantisa = 10;   // in tenths: 10, 20, 25 or 50
    int exponente = 0;  // the power of ten of a tenth: the value is mantisa / 10 × 10^exponente

    // The double nearest to k times the value, read from its decimal text: 3 × 0.1 is 0.3, not
    // 0.30000000000000004. Beyond a double's range: ±infinity, or 0 below its smallest.
    double multiplo(double k) const;
    double valor() const { return multiplo(1); }
};

// The next round number up or down the series.
Redondo siguiente(Redondo r, Serie serie);
Redondo anterior(Redondo r, Serie serie);

// The smallest round number of the series at least `x`, and the largest at most `x` (x > 0 and
// finite).
Redondo redondo_no_menor(double x, Serie serie);
Redondo redondo_no_mayor(double x, Serie serie);

}  // namespace abat
