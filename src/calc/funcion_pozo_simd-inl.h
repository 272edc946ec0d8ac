// The well function W(u) on whole vectors, for each instruction set the engine is built for: the
// same pieces as funcion_pozo, so it gives the same values to a few units in the last place.
// Included once per target by foreach_target.h, hence the toggled guard instead of #pragma once.

// NOLINTBEGIN(readability-identifier-naming)
#if defined(ABAT_FUNCION_POZO_SIMD_INL_H_) == defined(HWY_TARGET_TOGGLE)
#ifdef ABAT_FUNCION_POZO_SIMD_INL_H_
#undef ABAT_FUNCION_POZO_SIMD_INL_H_
#else
#define ABAT_FUNCION_POZO_SIMD_INL_H_
#endif
// NOLINTEND(readability-identifier-naming)

#include <hwy/contrib/math/math-inl.h>
#include <hwy/highway.h>

#include <array>
#include <cstddef>

#include "calc/funcion_pozo.h"
#include "calc/funcion_pozo_coeficientes.h"

HWY_BEFORE_NAMESPACE();
namespace abat::HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

template <class D, size_t N, class V = hn::Vec<D>>
HWY_INLINE V horner(D d, V x, const std::array<double, N>& c) {
    V r = hn::Set(d, c[0]);
    HWY_UNROLL(16)
    for (size_t i = 1; i < N; ++i) r = hn::MulAdd(r, x, hn::Set(d, c[i]));
    return r;
}

// -0.577216 - ln u + u - u^2/4 + u^3/18 - u^4/96 + u^5/600, the powers by Horner's rule.
template <class D, class V = hn::Vec<D>>
HWY_INLINE V w_serie(D d, V u, V ln_u) {
    return hn::MulAdd(u, horner(d, u, coef::serie), hn::Sub(hn::Set(d, -euler), ln_u));
}

// E1 for u_cruce < u <= 1: a rational function plus u - ln u.
template <class D, class V = hn::Vec<D>>
HWY_INLINE V e1_cerca(D d, V u, V ln_u) {
    const V cociente = hn::Div(horner(d, u, coef::cerca_p), horner(d, u, coef::cerca_q));
    return hn::Add(cociente, hn::Sub(hn::Sub(u, ln_u), hn::Set(d, coef::cerca_y)));
}

// E1 for u > 1: e^-u / u times a rational function of 1/u, here both polynomials multiplied
// by u^11 so that one division remains. 0 from u_cero on.
template <class D, class V = hn::Vec<D>>
HWY_INLINE V e1_lejos(D d, V u) {
    const V z = hn::Min(u, hn::Set(d, coef::u_cero));  // no overflow in the powers of z
    const V cociente = hn::Div(horner(d, z, coef::lejos_numerador),
                               hn::Mul(z, horner(d, z, coef::lejos_denominador)));
    const V e1 = hn::Mul(hn::Exp(d, hn::Neg(z)), cociente);
    return hn::IfThenZeroElse(hn::Ge(u, hn::Set(d, coef::u_cero)), e1);
}

// The ranges of u where one formula gives W.
enum class Tramo { serie, lejos, mezcla };

template <class D, class V = hn::Vec<D>>
HWY_INLINE Tramo tramo(D d, V u) {
    if (hn::AllTrue(d, hn::Le(u, hn::Set(d, u_cruce)))) return Tramo::serie;
    if (hn::AllTrue(d, hn::Gt(u, hn::Set(d, 1.0)))) return Tramo::lejos;
    return Tramo::mezcla;
}

// W(u) for u > 0 over ranges that meet in one vector.
template <class D, class V = hn::Vec<D>>
HWY_INLINE V w_mezcla(D d, V u) {
    const V ln_u = hn::Log(d, u);
    V w = hn::IfThenElse(hn::Le(u, hn::Set(d, u_cruce)), w_serie(d, u, ln_u), e1_cerca(d, u, ln_u));
    const auto lejos = hn::Gt(u, hn::Set(d, 1.0));
    if (!hn::AllFalse(d, lejos)) w = hn::IfThenElse(lejos, e1_lejos(d, u), w);
    return w;
}

// W(u) for u > 0. Neighbouring places give neighbouring u, so a vector usually lies in one
// range and computes one formula.
template <class D, class V = hn::Vec<D>>
HWY_INLINE V funcion_pozo(D d, V u) {
    switch (tramo(d, u)) {
        case Tramo::serie:
            return w_serie(d, u, hn::Log(d, u));
        case Tramo::lejos:
            return e1_lejos(d, u);
        case Tramo::mezcla:
            break;
    }
    return w_mezcla(d, u);
}

// The engine's interface to a well function: W over one vector of places, and over a block of
// vectors at once, where a function may share work between them. `r2` is each place's squared
// distance to the source, u = r2 c; functions that depend on the distance take it from there.
// Theis's W(u) is the first.
struct Theis {
    template <class D, class V = hn::Vec<D>>
    HWY_INLINE V W(D d, V u, V /*r2*/) const {
        return funcion_pozo(d, u);
    }

    // Where the whole block lies in one range of u, its vectors compute one formula side by side,
    // with no branch between them.
    template <class D, size_t K, class V = hn::Vec<D>>
    HWY_INLINE void W(D d, const std::array<V, K>& u, const std::array<V, K>& /*r2*/,
                      std::array<V, K>& w) const {
        Tramo comun = tramo(d, u[0]);
        HWY_UNROLL(4)
        for (size_t v = 1; v < K; ++v) {
            if (tramo(d, u[v]) != comun) comun = Tramo::mezcla;
        }
        if (comun == Tramo::serie) {
            HWY_UNROLL(4)
            for (size_t v = 0; v < K; ++v) w[v] = w_serie(d, u[v], hn::Log(d, u[v]));
        } else if (comun == Tramo::lejos) {
            HWY_UNROLL(4)
            for (size_t v = 0; v < K; ++v) w[v] = e1_lejos(d, u[v]);
        } else {
            for (size_t v = 0; v < K; ++v) w[v] = funcion_pozo(d, u[v]);
        }
    }
};

}  // namespace abat::HWY_NAMESPACE
HWY_AFTER_NAMESPACE();

#endif
