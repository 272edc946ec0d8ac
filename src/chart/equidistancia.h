#pragma once
// The levels of the drawdown map's isolines: a round interval, 1, 2, 2.5 or 5 × 10^n m, that
// draws some 8 to 15 lines over the range of the values.

#include <vector>

#include "model/rejilla.h"

namespace abat {

struct Equidistancia {
    double intervalo = 0.0;       // m; 0: no isolines
    std::vector<double> niveles;  // the multiples of the interval from the least value to the
                                  // greatest, increasing
};

// The largest round interval with at least 8 multiples from `menor` to `mayor`; it never has more
// than 15. None when no interval can give 8 distinct levels: equal values, values too close for a
// double to tell such levels apart, or values that are not finite.
Equidistancia equidistancia(double menor, double mayor);
// As above, but the interval `anterior` of the map shown before is kept while it draws from 6 to
// 20 lines: a view a pixel larger or smaller, or the same view drawn at another resolution, whose
// nodes reach a little further or less far, keeps its isolines. None kept when it is 0.
Equidistancia equidistancia(double menor, double mayor, double anterior);
// The same over the values of a grid's nodes, those without a value aside.
Equidistancia equidistancia(const Rejilla& rejilla);

// The multiples of a typed `intervalo` from `menor` to `mayor`, each the double nearest to its
// 15-digit decimal text (0.3, not 0.30000000000000004). None when there would be more than
// `maximo`, or when neighbouring multiples are no longer distinct doubles.
std::vector<double> multiplos_de(double menor, double mayor, double intervalo, size_t maximo);

}  // namespace abat
