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
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "calc/funcion_hantush.h"
#include "calc/funcion_hantush_coeficientes.h"
#include "calc/funcion_pozo.h"
#include "calc/funcion_pozo_coeficientes.h"
#include "calc/malla_hantush.h"

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
    const Theis& fuente(size_t /*i*/) const { return *this; }

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

// ---- The leaky aquifer's W(u, beta), one source at one time (funcion_hantush.h). ----

// Horner's rule with the lowest power first, as Boost's coefficients come.
template <class D, size_t N, class V = hn::Vec<D>>
HWY_INLINE V horner_ascendente(D d, V x, const std::array<double, N>& c) {
    V r = hn::Set(d, c[N - 1]);
    for (size_t i = N - 1; i-- > 0;) r = hn::MulAdd(r, x, hn::Set(d, c[i]));
    return r;
}

// E1(u) itself, also where Theis's W is the series: Boost's pieces below and above u = 1.
template <class D, class V = hn::Vec<D>>
HWY_INLINE V e1(D d, V u) {
    const auto cerca = hn::Le(u, hn::Set(d, 1.0));
    if (hn::AllFalse(d, cerca)) return e1_lejos(d, u);
    const V c = e1_cerca(d, u, hn::Log(d, u));
    if (hn::AllTrue(d, cerca)) return c;
    return hn::IfThenElse(cerca, c, e1_lejos(d, u));
}

// K0(x), x > 0, from Boost's pieces below and above x = 1.
template <class D, class V = hn::Vec<D>>
HWY_INLINE V k0_cerca(D d, V x) {
    const V x2 = hn::Mul(x, x);
    const V a = hn::Mul(x2, hn::Set(d, 0.25));
    const V r = hn::Add(hn::Div(horner_ascendente(d, a, coef_k0::cerca_p),
                                horner_ascendente(d, a, coef_k0::cerca_q)),
                        hn::Set(d, coef_k0::cerca_y));
    const V factor = hn::MulAdd(r, a, hn::Set(d, 1.0));
    return hn::NegMulAdd(hn::Log(d, x), factor, horner_ascendente(d, x2, coef_k0::cerca_p2));
}
// For x > 1, (P(1/x) / Q(1/x) + 1) e^-x / sqrt(x): both polynomials multiplied by x^8, the 1 joined
// to the numerator and the square root to the denominator, so that one division remains. From
// x = 750 on, where e^-x is 0, x is held there, and the powers do not overflow.
inline constexpr std::array<double, 9> k0_lejos_numerador = [] {
    std::array<double, 9> n{};
    for (size_t k = 0; k < n.size(); ++k) n[k] = coef_k0::lejos_p[k] + coef_k0::lejos_q[k];
    return n;
}();
template <class D, class V = hn::Vec<D>>
HWY_INLINE V k0_lejos(D d, V x) {
    const V z = hn::Min(x, hn::Set(d, 750.0));
    return hn::Div(hn::Mul(horner(d, z, k0_lejos_numerador), hn::Exp(d, hn::Neg(z))),
                   hn::Mul(horner(d, z, coef_k0::lejos_q), hn::Sqrt(z)));
}
template <class D, class V = hn::Vec<D>>
HWY_INLINE V k0(D d, V x) {
    const auto cerca = hn::Le(x, hn::Set(d, 1.0));
    if (hn::AllTrue(d, cerca)) return k0_cerca(d, x);
    if (hn::AllFalse(d, cerca)) return k0_lejos(d, x);
    return hn::IfThenElse(cerca, k0_cerca(d, x), k0_lejos(d, x));
}

// Where each lane's coordinate lies among `celdas` cells of side `lado` from `inicio`: its cell
// (clamped to the first and last) and its t in [-1, 1] there, and the least and greatest cell of
// the lanes.
template <class D, class V = hn::Vec<D>>
struct EnCeldas {
    V celda;
    V t;
    double menor;
    double mayor;
};
template <class D, class V = hn::Vec<D>>
HWY_INLINE EnCeldas<D> en_celdas(D d, V coordenada, double inicio, int celdas, double lado) {
    const V k = hn::Floor(hn::Mul(hn::Sub(coordenada, hn::Set(d, inicio)), hn::Set(d, 1 / lado)));
    const V celda = hn::Min(hn::Max(k, hn::Zero(d)), hn::Set(d, static_cast<double>(celdas - 1)));
    const V desde = hn::MulAdd(celda, hn::Set(d, lado), hn::Set(d, inicio));
    return {celda,
            hn::Sub(hn::Mul(hn::Sub(coordenada, desde), hn::Set(d, 2 / lado)), hn::Set(d, 1.0)),
            hn::GetLane(hn::MinOfLanes(d, celda)), hn::GetLane(hn::MaxOfLanes(d, celda))};
}

// The Chebyshev series of the cell of `coordenada` among `celdas` cells of side lado from
// `inicio`, whose coefficients `serie` holds, terminos a cell, at that coordinate. The lanes
// usually share a cell: then its coefficients are read once; otherwise each lane's are gathered.
template <int Grado = malla_hantush::grado, class D, class V = hn::Vec<D>>
HWY_INLINE V clenshaw_celdas(D d, V coordenada, const double* serie, double inicio, int celdas,
                             double lado = malla_hantush::lado) {
    constexpr int terminos = Grado + 1;
    const hn::RebindToSigned<D> di;
    const EnCeldas<D> lugar = en_celdas(d, coordenada, inicio, celdas, lado);
    const V celda = lugar.celda;
    const V t = lugar.t;
    const double menor = lugar.menor;
    const double mayor = lugar.mayor;
    const V dos_t = hn::Add(t, t);
    // The series of cells `k` and `m` at each lane's t, side by side; each step one fused
    // multiply-add on each chain, b_j = 2t b_(j+1) - (b_(j+2) - c_j).
    const auto dos_celdas = [&](double k, double m) {
        const double* c = serie + static_cast<std::ptrdiff_t>(k) * terminos;
        const double* e = serie + static_cast<std::ptrdiff_t>(m) * terminos;
        V b1 = hn::Zero(d);
        V b2 = hn::Zero(d);
        V f1 = hn::Zero(d);
        V f2 = hn::Zero(d);
        for (int j = Grado; j >= 1; --j) {
            const V b = hn::MulSub(dos_t, b1, hn::Sub(b2, hn::Set(d, c[j])));
            const V f = hn::MulSub(dos_t, f1, hn::Sub(f2, hn::Set(d, e[j])));
            b2 = b1;
            b1 = b;
            f2 = f1;
            f1 = f;
        }
        return std::pair{hn::Add(hn::MulSub(t, b1, b2), hn::Set(d, c[0])),
                         hn::Add(hn::MulSub(t, f1, f2), hn::Set(d, e[0]))};
    };
    // Within one cell, or across one cell's border, as neighbouring places mostly are.
    if (mayor <= menor + 1) {
        const auto [en_menor, en_mayor] = dos_celdas(menor, mayor);
        return hn::IfThenElse(hn::Eq(celda, hn::Set(d, menor)), en_menor, en_mayor);
    }
    const auto base = hn::ConvertTo(di, hn::Mul(celda, hn::Set(d, static_cast<double>(terminos))));
    V b1 = hn::Zero(d);
    V b2 = hn::Zero(d);
    for (int j = Grado; j >= 1; --j) {
        const V b = hn::MulSub(dos_t, b1, hn::Sub(b2, hn::GatherIndex(d, serie + j, base)));
        b2 = b1;
        b1 = b;
    }
    return hn::Add(hn::MulSub(t, b1, b2), hn::GatherIndex(d, serie, base));
}

// A HantushLog's polynomial in t of the cell of each lane's x = ln u: Horner's rule, one fused
// multiply-add a term. The lanes in one cell or across one border read their cells' coefficients
// once; otherwise each lane's are gathered.
template <class D, class V = hn::Vec<D>>
HWY_INLINE V horner_log(D d, const HantushLog& l, V x, V& celda) {
    constexpr int terminos = HantushLog::terminos;
    const EnCeldas<D> lugar = en_celdas(d, x, l.x_desde, l.celdas, HantushLog::lado);
    const V t = lugar.t;
    const double menor = lugar.menor;
    const double mayor = lugar.mayor;
    const int grado = l.grado;
    celda = lugar.celda;
    if (mayor <= menor + 1) {
        const double* a = l.potencias.data() + static_cast<std::ptrdiff_t>(menor) * terminos;
        const double* b = l.potencias.data() + static_cast<std::ptrdiff_t>(mayor) * terminos;
        V pa = hn::Set(d, a[grado]);
        V pb = hn::Set(d, b[grado]);
        for (int m = grado - 1; m >= 0; --m) {
            pa = hn::MulAdd(pa, t, hn::Set(d, a[m]));
            pb = hn::MulAdd(pb, t, hn::Set(d, b[m]));
        }
        return hn::IfThenElse(hn::Eq(celda, hn::Set(d, menor)), pa, pb);
    }
    const hn::RebindToSigned<D> di;
    const auto base = hn::ConvertTo(di, hn::Mul(celda, hn::Set(d, static_cast<double>(terminos))));
    V p = hn::GatherIndex(d, l.potencias.data() + grado, base);
    for (int m = grado - 1; m >= 0; --m)
        p = hn::MulAdd(p, t, hn::GatherIndex(d, l.potencias.data() + m, base));
    return p;
}

// sum c_n E_{n+1}(u), E_{n+1} by the forward recurrence from E1.
template <class D, class V = hn::Vec<D>>
HWY_INLINE V serie_en_E(D d, const std::array<double, 10>& c, V u) {
    const V e = hn::Exp(d, hn::Neg(u));
    V En = e1(d, u);
    V suma = hn::Mul(hn::Set(d, c[0]), En);
    for (size_t n = 1; n < c.size(); ++n) {
        En = hn::Mul(hn::NegMulAdd(u, En, e), hn::Set(d, 1.0 / static_cast<double>(n)));
        suma = hn::MulAdd(hn::Set(d, c[n]), En, suma);
    }
    return suma;
}

// u >= v: the lower half w(u, v); 0 from u_cero on.
template <class D, class V = hn::Vec<D>>
HWY_INLINE V hantush_fila(D d, const HantushFuente& f, V u) {
    // No row: W is 0 wherever u >= v (v beyond the table's bound), and the lanes of u < v take
    // the reflection.
    if (!f.serie_fila && f.fila.empty()) return hn::Zero(d);
    const V w =
        f.serie_fila
            ? serie_en_E(d, f.fila_serie, u)
            : hn::Exp(d, clenshaw_celdas(d, hn::Log(d, u), f.fila.data(),
                                         malla_hantush::origen + f.fila_desde * malla_hantush::lado,
                                         f.fila_hasta - f.fila_desde));
    return hn::IfThenZeroElse(hn::Ge(u, hn::Set(d, f.u_cero)), w);
}

// u < v: 2 K0(beta) - w(v, u).
template <class D, class V = hn::Vec<D>>
HWY_INLINE V hantush_reflejo(D d, const HantushFuente& f, V u) {
    const V beta = hn::Mul(hn::Set(d, 2.0), hn::Sqrt(hn::Mul(u, hn::Set(d, f.v))));
    const V dos_k0 = hn::Mul(hn::Set(d, 2.0), k0(d, beta));
    if (f.solo_k0) return dos_k0;
    const double q0 = std::exp(malla_hantush::origen);
    const auto serie = hn::Le(u, hn::Set(d, q0));
    V w;
    if (f.columna.empty() || hn::AllTrue(d, serie)) {  // no column: every u < v is below q0
        w = horner_ascendente(d, u, f.columna_serie);
    } else {
        const V tabla = hn::Exp(
            d, clenshaw_celdas(d, hn::Log(d, u), f.columna.data(),
                               malla_hantush::origen + f.columna_desde * malla_hantush::lado,
                               f.columna_hasta - f.columna_desde));
        w = hn::AllFalse(d, serie)
                ? tabla
                : hn::IfThenElse(serie, horner_ascendente(d, u, f.columna_serie), tabla);
    }
    w = hn::IfThenZeroElse(hn::Ge(u, hn::Set(d, f.u_cero)), w);
    return hn::Sub(dos_k0, w);
}

template <class D, class V = hn::Vec<D>>
HWY_INLINE V w_hantush(D d, const HantushFuente& f, V u) {
    const auto inferior = hn::Ge(u, hn::Set(d, f.v));
    if (hn::AllTrue(d, inferior)) return hantush_fila(d, f, u);
    if (hn::AllFalse(d, inferior)) return hantush_reflejo(d, f, u);
    return hn::IfThenElse(inferior, hantush_fila(d, f, u), hantush_reflejo(d, f, u));
}

// Near the source (u <= u_cerca): W = B(u) - ln u A(u), the two polynomials of each vector of a
// block by Horner's rule, all the chains side by side.
template <class D, size_t K, class V = hn::Vec<D>>
HWY_INLINE void w_cerca(D d, const HantushLog& l, const std::array<V, K>& u, std::array<V, K>& w) {
    const auto n = static_cast<size_t>(l.grado_cerca);
    std::array<V, K> a;
    std::array<V, K> b;
    HWY_UNROLL(4)
    for (size_t v = 0; v < K; ++v) a[v] = hn::Set(d, l.cerca_a[n]), b[v] = hn::Set(d, l.cerca_b[n]);
    for (size_t k = n; k-- > 0;) {
        const V ca = hn::Set(d, l.cerca_a[k]);
        const V cb = hn::Set(d, l.cerca_b[k]);
        HWY_UNROLL(4)
        for (size_t v = 0; v < K; ++v) {
            a[v] = hn::MulAdd(a[v], u[v], ca);
            b[v] = hn::MulAdd(b[v], u[v], cb);
        }
    }
    HWY_UNROLL(4)
    for (size_t v = 0; v < K; ++v) w[v] = hn::NegMulAdd(hn::Log(d, u[v]), a[v], b[v]);
}
template <class D, class V = hn::Vec<D>>
HWY_INLINE bool cerca(D d, const HantushLog& l, V u) {
    return hn::AllTrue(d, hn::Le(u, hn::Set(d, l.u_cerca)));
}

// W from a HantushLog's polynomial in the lanes' cells: itself in its first cells, its logarithm
// beyond; 0 from u_cero on.
template <class D, class V = hn::Vec<D>>
HWY_INLINE V w_de_celdas(D d, const HantushLog& l, V u, V celda, V polinomio) {
    const auto directa = hn::Lt(celda, hn::Set(d, static_cast<double>(l.directas)));
    V w = polinomio;
    if (!hn::AllTrue(d, directa)) w = hn::IfThenElse(directa, polinomio, hn::Exp(d, polinomio));
    return hn::IfThenZeroElse(hn::Ge(u, hn::Set(d, l.u_cero)), w);
}

// From its series of ln W in ln u where the source has one (HantushLog); the restriction below it.
template <class D, class V = hn::Vec<D>>
HWY_INLINE V w_hantush(D d, const HantushFuente& f, const HantushLog& l, V u) {
    if (l.celdas == 0) return w_hantush(d, f, u);
    if (cerca(d, l, u)) {
        std::array<V, 1> w;
        w_cerca(d, l, std::array<V, 1>{u}, w);
        return w[0];
    }
    const auto debajo = hn::Lt(u, hn::Set(d, l.u_desde));
    V celda;
    const V p = horner_log(d, l, hn::Log(d, hn::Max(u, hn::Set(d, l.u_desde))), celda);
    const V w = w_de_celdas(d, l, u, celda, p);
    if (hn::AllFalse(d, debajo)) return w;
    return hn::IfThenElse(debajo, w_hantush(d, f, u), w);
}

// A block of vectors of places from the series of ln W: each vector's places lie mostly in one
// cell or across one border, so each vector sums the polynomials of its first and last cells, and
// the block's chains of Horner's rule run side by side. A vector whose places span more cells reads
// each lane's coefficients. False, and nothing done, where a place lies below the series' start.
template <class D, size_t K, class V = hn::Vec<D>>
HWY_NOINLINE bool w_log_bloque(D d, const HantushLog& l, const std::array<V, K>& u,
                               std::array<V, K>& w) {
    using L = HantushLog;
    bool todos_cerca = true;
    HWY_UNROLL(4)
    for (size_t v = 0; v < K; ++v) todos_cerca = todos_cerca && cerca(d, l, u[v]);
    if (todos_cerca) {
        w_cerca(d, l, u, w);
        return true;
    }
    std::array<V, K> t;
    std::array<V, K> celda;
    std::array<const double*, K> a;  // each vector's first and last cells' powers of t
    std::array<const double*, K> b;
    std::array<double, K> ultima{};
    std::array<bool, K> suelta{};  // more than two cells
    bool una_celda = true;         // every vector's places in one cell
    const int grado = l.grado;
    HWY_UNROLL(4)
    for (size_t v = 0; v < K; ++v) {
        if (!hn::AllFalse(d, hn::Lt(u[v], hn::Set(d, l.u_desde)))) return false;
        const EnCeldas<D> lugar = en_celdas(d, hn::Log(d, u[v]), l.x_desde, l.celdas, L::lado);
        celda[v] = lugar.celda;
        t[v] = lugar.t;
        const double primera = lugar.menor;
        ultima[v] = lugar.mayor;
        suelta[v] = ultima[v] > primera + 1;
        una_celda = una_celda && ultima[v] == primera;
        a[v] = l.potencias.data() + static_cast<std::ptrdiff_t>(primera) * L::terminos;
        b[v] = l.potencias.data() + static_cast<std::ptrdiff_t>(ultima[v]) * L::terminos;
    }
    // Horner's rule, one fused multiply-add a term: each vector's first cell's polynomial, and its
    // last cell's where some vector of the block spans two, all in flight together.
    std::array<V, K> en_a;
    std::array<V, K> en_b;
    HWY_UNROLL(4)
    for (size_t v = 0; v < K; ++v) en_a[v] = hn::Set(d, a[v][grado]);
    if (una_celda) {
        for (int m = grado - 1; m >= 0; --m) {
            HWY_UNROLL(4)
            for (size_t v = 0; v < K; ++v) en_a[v] = hn::MulAdd(en_a[v], t[v], hn::Set(d, a[v][m]));
        }
        en_b = en_a;
    } else {
        HWY_UNROLL(4)
        for (size_t v = 0; v < K; ++v) en_b[v] = hn::Set(d, b[v][grado]);
        for (int m = grado - 1; m >= 0; --m) {
            HWY_UNROLL(4)
            for (size_t v = 0; v < K; ++v) {
                en_a[v] = hn::MulAdd(en_a[v], t[v], hn::Set(d, a[v][m]));
                en_b[v] = hn::MulAdd(en_b[v], t[v], hn::Set(d, b[v][m]));
            }
        }
    }
    HWY_UNROLL(4)
    for (size_t v = 0; v < K; ++v) {
        const V p = suelta[v]
                        ? horner_log(d, l, hn::Log(d, u[v]), celda[v])
                        : hn::IfThenElse(hn::Eq(celda[v], hn::Set(d, ultima[v])), en_b[v], en_a[v]);
        w[v] = w_de_celdas(d, l, u[v], celda[v], p);
    }
    return true;
}

// The engine's interface to the leaky aquifer's W: each source's restriction and series of ln W,
// by its index into `fuentes` and `logs` (all the first when `grupo` is null).
struct Hantush {
    const HantushFuente* fuentes;
    const HantushLog* logs;
    const uint32_t* grupo;

    struct DeUnaFuente {
        const HantushFuente& f;
        const HantushLog& l;
        template <class D, class V = hn::Vec<D>>
        HWY_INLINE V W(D d, V u, V /*r2*/) const {
            return w_hantush(d, f, l, u);
        }
        template <class D, size_t K, class V = hn::Vec<D>>
        HWY_INLINE void W(D d, const std::array<V, K>& u, const std::array<V, K>& /*r2*/,
                          std::array<V, K>& w) const {
            if (l.celdas == 0 || !w_log_bloque(d, l, u, w)) {
                for (size_t v = 0; v < K; ++v) w[v] = w_hantush(d, f, l, u[v]);
            }
        }
    };
    DeUnaFuente fuente(size_t i) const {
        const size_t g = grupo == nullptr ? 0 : grupo[i];
        return {fuentes[g], logs[g]};
    }
};

}  // namespace abat::HWY_NAMESPACE
HWY_AFTER_NAMESPACE();

#endif
