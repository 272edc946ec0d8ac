// Compiled once per instruction set by foreach_target.h; HWY_DYNAMIC_DISPATCH picks one.
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "calc/nucleo_simd.cpp"  // NOLINT(bugprone-macro-parentheses)
#include <hwy/foreach_target.h>                    // IWYU pragma: keep
#include <hwy/highway.h>

#include <algorithm>
#include <array>
#include <limits>

#include "calc/funcion_pozo_simd-inl.h"
#include "calc/nucleo_simd.h"

HWY_BEFORE_NAMESPACE();
namespace abat::HWY_NAMESPACE {
namespace {

namespace hn = hwy::HWY_NAMESPACE;
using D = hn::ScalableTag<double>;
using V = hn::Vec<D>;

// Places computed together for each well read; the unrolled loops below take it as 4.
constexpr size_t vectores_por_bloque = 4;
// The most doubles a vector of this instruction set holds: the tails' copies are this long.
constexpr size_t max_carriles = HWY_LANES(double);

// What turns a well's distances into its drawdowns, NaN where the exact path must decide.
struct Parte {
    V c, u_min, u_max, nan;

    explicit Parte(D d, const EscalaU& e)
        : c(hn::Set(d, e.c)),
          u_min(hn::Set(d, e.u_min)),
          u_max(hn::Set(d, e.u_max)),
          nan(hn::Set(d, std::numeric_limits<double>::quiet_NaN())) {}

    HWY_INLINE V abatimiento(V u, V w, V k) const { return abatimiento(u, w, k, u_min, u_max); }

    // The squared distance, the well's radius where the place is nearer.
    static HWY_INLINE V r2(V dx, V dy, V r2_min) {
        return hn::Max(hn::Add(hn::Mul(dx, dx), hn::Mul(dy, dy)), r2_min);
    }
    HWY_INLINE V abatimiento(V u, V w, V k, V menor, V mayor) const {
        const auto fuera = hn::Or(hn::Lt(u, menor), hn::Gt(u, mayor));
        return hn::IfThenElse(fuera, nan, hn::Mul(w, k));
    }
};

// The scale of u of the wells: one for all, or each well's own.
struct EscalaComun {
    const Parte& parte;
    HWY_INLINE V u(size_t /*i*/, V r2) const { return hn::Mul(r2, parte.c); }
    HWY_INLINE V abatimiento(size_t /*i*/, V u, V w, V k) const {
        return parte.abatimiento(u, w, k);
    }
};

struct EscalaPropia {
    const Parte& parte;
    const PozosVector& p;
    HWY_INLINE V u(size_t i, V r2) const { return hn::Mul(r2, hn::Set(D(), p.c[i])); }
    HWY_INLINE V abatimiento(size_t i, V u, V w, V k) const {
        return parte.abatimiento(u, w, k, hn::Set(D(), p.u_min[i]), hn::Set(D(), p.u_max[i]));
    }
};

// A block of vectors of places against every well.
template <class Escala, class Funcion>
HWY_NOINLINE void bloque(const PozosVector& p, const Escala& escala, const Funcion& funcion,
                         const double* x, const double* y, double* total, double* suma_abs) {
    const D d;
    const size_t N = hn::Lanes(d);
    using Haz = std::array<V, vectores_por_bloque>;
    Haz X;  // the places
    Haz Y;
    Haz T;  // the totals and their sizes
    Haz A;
    Haz R2;  // one well's squared distances, u and W
    Haz U;
    Haz W;
    HWY_UNROLL(4)
    for (size_t v = 0; v < vectores_por_bloque; ++v) {
        X[v] = hn::LoadU(d, x + v * N);
        Y[v] = hn::LoadU(d, y + v * N);
        T[v] = hn::Zero(d);
        A[v] = hn::Zero(d);
    }
    for (size_t i = 0; i < p.n; ++i) {
        const V px = hn::Set(d, p.x[i]);
        const V py = hn::Set(d, p.y[i]);
        const V r2_min = hn::Set(d, p.r2_min[i]);
        HWY_UNROLL(4)
        for (size_t v = 0; v < vectores_por_bloque; ++v) {
            R2[v] = Parte::r2(hn::Sub(X[v], px), hn::Sub(Y[v], py), r2_min);
            U[v] = escala.u(i, R2[v]);
        }
        funcion.fuente(i).W(d, U, R2, W);
        const V k = hn::Set(d, p.k[i]);
        HWY_UNROLL(4)
        for (size_t v = 0; v < vectores_por_bloque; ++v) {
            const V s = escala.abatimiento(i, U[v], W[v], k);
            T[v] = hn::Add(T[v], s);
            A[v] = hn::Add(A[v], hn::Abs(s));
        }
    }
    HWY_UNROLL(4)
    for (size_t v = 0; v < vectores_por_bloque; ++v) {
        hn::StoreU(T[v], d, total + v * N);
        hn::StoreU(A[v], d, suma_abs + v * N);
    }
}

template <class Escala, class Funcion>
void sumar(const PozosVector& p, const Escala& escala, const Funcion& funcion, const double* x,
           const double* y, size_t n, double* total, double* suma_abs) {
    const D d;
    const size_t b = vectores_por_bloque * hn::Lanes(d);
    size_t j = 0;
    for (; j + b <= n; j += b) bloque(p, escala, funcion, x + j, y + j, total + j, suma_abs + j);
    if (j == n) return;
    // The last places, completed with copies of the last one.
    constexpr size_t maximo = vectores_por_bloque * max_carriles;
    struct {
        std::array<double, maximo> x, y, total, suma_abs;
    } resto{};
    for (size_t i = 0; i < b; ++i) {
        resto.x[i] = x[std::min(j + i, n - 1)];
        resto.y[i] = y[std::min(j + i, n - 1)];
    }
    bloque(p, escala, funcion, resto.x.data(), resto.y.data(), resto.total.data(),
           resto.suma_abs.data());
    std::copy_n(resto.total.begin(), n - j, total + j);
    std::copy_n(resto.suma_abs.begin(), n - j, suma_abs + j);
}

// A vector of wells' W at one place: Theis's; a leaky aquifer's where the lanes share a source's
// restriction, each lane's own otherwise. The lanes are the wells from `i` on, of `largo` with the
// padding.
struct FuncionLanes {
    const FuncionVector& f;
    size_t i = 0;
    size_t largo = 0;
    HWY_INLINE V operator()(D d, V u) const {
        if (f.hantush == nullptr) return funcion_pozo(d, u);
        if (f.grupo == nullptr) return w_hantush(d, f.hantush[0], f.logs[0], u);
        const size_t N = hn::Lanes(d);
        const auto grupo = [&](size_t l) { return f.grupo[std::min(i + l, largo - 1)]; };
        const uint32_t g = grupo(0);
        bool uno = true;
        for (size_t l = 1; l < N; ++l) uno = uno && grupo(l) == g;
        if (uno) return w_hantush(d, f.hantush[g], f.logs[g], u);
        alignas(64) std::array<double, max_carriles> us{};
        hn::Store(u, d, us.data());
        for (size_t l = 0; l < N; ++l) us[l] = W_hantush(f.hantush[grupo(l)], us[l]);
        return hn::Load(d, us.data());
    }
};

// The wells' shares at one place, `Propia` when each well has its own scale of u.
template <bool Propia>
void partes_en(const PozosVector& p, const EscalaU& e, const FuncionVector& f, double x, double y,
               double* partes) {
    const D d;
    const size_t N = hn::Lanes(d);
    const Parte parte(d, e);
    const V X = hn::Set(d, x);
    const V Y = hn::Set(d, y);
    const size_t largo = p.x.size();  // the wells with their padding
    auto partes_de = [&](size_t i, const double* px, const double* py, const double* r2,
                         const double* k, const double* c, const double* menor, const double* mayor,
                         double* s) {
        const FuncionLanes funcion{f, i, largo};
        const V dx = hn::Sub(X, hn::LoadU(d, px));
        const V dy = hn::Sub(Y, hn::LoadU(d, py));
        const V r2_lugar = Parte::r2(dx, dy, hn::LoadU(d, r2));
        if constexpr (Propia) {
            const V u = hn::Mul(r2_lugar, hn::LoadU(d, c));
            hn::StoreU(parte.abatimiento(u, funcion(d, u), hn::LoadU(d, k), hn::LoadU(d, menor),
                                         hn::LoadU(d, mayor)),
                       d, s);
        } else {
            const V u = hn::Mul(r2_lugar, parte.c);
            hn::StoreU(parte.abatimiento(u, funcion(d, u), hn::LoadU(d, k)), d, s);
        }
    };
    const auto en = [&](const std::vector<double>& v, size_t i) {
        return Propia ? &v[i] : nullptr;
    };
    size_t i = 0;
    for (; i < p.n && i + N <= largo; i += N) {
        partes_de(i, &p.x[i], &p.y[i], &p.r2_min[i], &p.k[i], en(p.c, i), en(p.u_min, i),
                  en(p.u_max, i), partes + i);
    }
    if (i >= p.n) return;
    // A vector wider than the padding (a scalable instruction set): the last wells through a
    // copy, completed with wells of no rate.
    struct {
        std::array<double, max_carriles> x, y, r2, k, c, menor, mayor, s;
    } resto{};
    resto.r2.fill(1.0);
    resto.c.fill(1.0);
    resto.mayor.fill(1.0);
    for (size_t j = i; j < largo; ++j) {
        resto.x[j - i] = p.x[j];
        resto.y[j - i] = p.y[j];
        resto.r2[j - i] = p.r2_min[j];
        resto.k[j - i] = p.k[j];
        if (Propia) {
            resto.c[j - i] = p.c[j];
            resto.menor[j - i] = p.u_min[j];
            resto.mayor[j - i] = p.u_max[j];
        }
    }
    partes_de(i, resto.x.data(), resto.y.data(), resto.r2.data(), resto.k.data(), resto.c.data(),
              resto.menor.data(), resto.mayor.data(), resto.s.data());
    std::copy_n(resto.s.begin(), largo - i, partes + i);
}

}  // namespace

template <class Funcion>
void sumar_con(const PozosVector& p, const EscalaU& e, const Funcion& funcion, const double* x,
               const double* y, size_t n, double* total, double* suma_abs) {
    const Parte parte(D(), e);
    if (p.c.empty()) {
        sumar(p, EscalaComun{parte}, funcion, x, y, n, total, suma_abs);
    } else {
        sumar(p, EscalaPropia{parte, p}, funcion, x, y, n, total, suma_abs);
    }
}

void SumarPozos(const PozosVector& p, const EscalaU& e, const FuncionVector& f, const double* x,
                const double* y, size_t n, double* total, double* suma_abs) {
    if (f.hantush == nullptr) {
        sumar_con(p, e, Theis{}, x, y, n, total, suma_abs);
    } else {
        sumar_con(p, e, Hantush{f.hantush, f.logs, f.grupo}, x, y, n, total, suma_abs);
    }
}

void PartesPozos(const PozosVector& p, const EscalaU& e, const FuncionVector& f, double x, double y,
                 double* partes) {
    if (p.c.empty()) {
        partes_en<false>(p, e, f, x, y, partes);
    } else {
        partes_en<true>(p, e, f, x, y, partes);
    }
}

void FuncionPozoVector(const double* u, double* w, size_t n) {
    const D d;
    const size_t N = hn::Lanes(d);
    size_t i = 0;
    for (; i + N <= n; i += N) hn::StoreU(funcion_pozo(d, hn::LoadU(d, u + i)), d, w + i);
    if (i == n) return;
    std::array<double, max_carriles> resto{};
    std::fill(resto.begin(), resto.end(), u[n - 1]);
    std::copy(u + i, u + n, resto.begin());
    hn::StoreU(funcion_pozo(d, hn::LoadU(d, resto.data())), d, resto.data());
    std::copy_n(resto.begin(), n - i, w + i);
}

}  // namespace abat::HWY_NAMESPACE
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace abat {

HWY_EXPORT(SumarPozos);
HWY_EXPORT(PartesPozos);
HWY_EXPORT(FuncionPozoVector);

void sumar_pozos(const PozosVector& pozos, const EscalaU& escala, const FuncionVector& funcion,
                 const double* x, const double* y, size_t n, double* total, double* suma_abs) {
    HWY_DYNAMIC_DISPATCH(SumarPozos)(pozos, escala, funcion, x, y, n, total, suma_abs);
}

void partes_pozos(const PozosVector& pozos, const EscalaU& escala, const FuncionVector& funcion,
                  double x, double y, double* partes) {
    HWY_DYNAMIC_DISPATCH(PartesPozos)(pozos, escala, funcion, x, y, partes);
}

void funcion_pozo_vector(const double* u, double* w, size_t n) {
    HWY_DYNAMIC_DISPATCH(FuncionPozoVector)(u, w, n);
}

}  // namespace abat
#endif
