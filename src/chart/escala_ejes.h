#pragma once
// How the chart chooses an axis's limits from the data it shows: round numbers a little beyond
// them, so the plan has a margin and labelled grid lines. The drawdown grid is laid over exactly
// these limits, and one grid step beyond.

namespace abat {

struct EscalaEje {
    double minimo;
    double maximo;
    double unidad;  // the major unit, the step between labelled grid lines
};

// For data from `menor` to `mayor`:
// 1. Equal extremes are first spread to the range from 0 to the value (all zeros: 0 to 1).
//    Extremes closer than 1e-9 of their size (of 1 below 1) count as equal, and a value within
//    1e-9 of 0 as 0: the axis then has at most a score of ticks, each a distinct number.
// 2. The extremes are padded outward by 1/20 of their range.
// 3. When all values are >= 0 and the smallest is below 5/6 of the largest, the lower limit is 0;
//    when all are <= 0 and the largest is above 5/6 of the smallest, the upper limit is 0.
// 4. The major unit is the smallest of 1, 2 or 5 x 10^k that is at least a tenth of the span.
// 5. The limits are the padded extremes rounded outward to multiples of the unit.
// 100..930 gives 0 to 1000 by 100; 82..97 gives 80 to 98 by 2; -3.2..7.9 gives -4 to 10 by 2.
// Data or limits beyond the range of a double raise the overflow error.
EscalaEje escala_automatica(double menor, double mayor);

}  // namespace abat
