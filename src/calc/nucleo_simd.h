#pragma once
// The engine's inner loops: wells x places in vectors, on the widest instruction set the
// processor offers, chosen when the program runs.

#include <cstddef>

#include "calc/pozos_vector.h"

namespace abat {

// Each place's total of all the wells' drawdowns, added in the wells' order, and the total of
// their sizes (the scale of its rounding error); NaN where a share was left to the exact path.
// `escala` serves the wells without a scale of their own.
void sumar_pozos(const PozosVector& pozos, const EscalaU& escala, const double* x, const double* y,
                 size_t n, double* total, double* suma_abs);

// Each well's drawdown at (x, y), NaN where left to the exact path. `partes` holds as many
// values as the padded arrays.
void partes_pozos(const PozosVector& pozos, const EscalaU& escala, double x, double y,
                  double* partes);

// W(u) of n values u > 0.
void funcion_pozo_vector(const double* u, double* w, size_t n);

}  // namespace abat
