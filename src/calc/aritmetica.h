#pragma once
// Arithmetic that raises the calculation errors instead of giving an infinity or a NaN.

#include <cmath>

#include "errores.h"

namespace abat {

// The result of an operation on finite numbers: not finite means it overflowed.
inline double comprobado(double v) {
    if (!std::isfinite(v)) throw ErrorCalculo(CodigoError::desbordamiento);
    return v;
}

inline double dividido(double a, double b) {
    if (b == 0.0) {
        throw ErrorCalculo(a == 0.0 ? CodigoError::argumento_no_valido
                                    : CodigoError::division_por_cero);
    }
    return comprobado(a / b);
}

}  // namespace abat
