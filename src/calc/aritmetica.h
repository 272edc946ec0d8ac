#pragma once
// Arithmetic that raises the calculation errors instead of giving an infinity or a NaN.

#include <cmath>
#include <initializer_list>
#include <limits>

#include "model/errores.h"

namespace abat {

// The result of an operation on finite numbers: not finite means it overflowed, because of
// `causa`.
inline double comprobado(double v, Causa causa) {
    if (!std::isfinite(v)) throw ErrorCalculo(CodigoError::desbordamiento, causa);
    return v;
}

inline double dividido(double a, double b, Causa causa) {
    if (b == 0.0) {
        throw ErrorCalculo(a == 0.0 ? CodigoError::argumento_no_valido
                                    : CodigoError::division_por_cero);
    }
    return comprobado(a / b, causa);
}

struct Factor {
    double valor;
    Causa causa;
    bool divisor = false;
};

// An overflowing product or quotient is blamed on the factor that takes it furthest from 1: the
// largest multiplier or the smallest divisor.
inline Causa culpable(std::initializer_list<Factor> factores) {
    Causa c = Causa::desconocida;
    double mayor = -std::numeric_limits<double>::infinity();
    for (const Factor& f : factores) {
        const double peso = std::log(std::fabs(f.valor)) * (f.divisor ? -1 : 1);
        if (peso > mayor) {
            mayor = peso;
            c = f.causa;
        }
    }
    return c;
}

}  // namespace abat
