#pragma once
// The engine's inner loops: wells x places in vectors, on the widest instruction set the
// processor offers, chosen when the program runs.

#include <cstddef>
#include <cstdint>

#include "calc/funcion_hantush.h"
#include "calc/pozos_vector.h"

namespace abat {

// The well function the loops compute: Theis's W(u) without `hantush`; with it, the leaky
// aquifer's, each source's restriction by its index into `hantush` (all the first without
// `grupo`, which is otherwise as long as the padded arrays).
struct FuncionVector {
    const HantushFuente* hantush = nullptr;
    const uint32_t* grupo = nullptr;
    // Each restriction's series of ln W, where one was worth fitting (HantushLog::celdas > 0).
    const HantushLog* logs = nullptr;
};

// Each place's total of all the wells' drawdowns, added in the wells' order, and the total of
// their sizes (the scale of its rounding error); NaN where a share was left to the exact path.
// `escala` serves the wells without a scale of their own.
void sumar_pozos(const PozosVector& pozos, const EscalaU& escala, const FuncionVector& funcion,
                 const double* x, const double* y, size_t n, double* total, double* suma_abs);

// Each well's drawdown at (x, y), NaN where left to the exact path. `partes` holds as many
// values as the padded arrays.
void partes_pozos(const PozosVector& pozos, const EscalaU& escala, const FuncionVector& funcion,
                  double x, double y, double* partes);

// W(u) of n values u > 0.
void funcion_pozo_vector(const double* u, double* w, size_t n);

}  // namespace abat
