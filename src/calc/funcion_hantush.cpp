#include "calc/funcion_hantush.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "calc/funcion_hantush_coeficientes.h"
#include "calc/funcion_pozo.h"
#include "calc/malla_hantush.h"

namespace abat {
namespace {

namespace m = malla_hantush;

// Below it, w(p, q) by its series: ten terms hold (q0^10 / 10! < 4e-18) and the forward
// recurrence of E_n loses at most some 14 units in the last place.
const double q0 = std::exp(m::origen);
constexpr int terminos_serie = 10;

// Horner's rule, highest power last in `c`.
template <size_t N>
double polinomio(const std::array<double, N>& c, double x) {
    double r = c[N - 1];
    for (size_t k = N - 1; k-- > 0;) r = r * x + c[k];
    return r;
}

// Clenshaw's sum of the Chebyshev series c[0], c[paso], ..., c[grado paso] at t in [-1, 1].
double clenshaw(const double* c, int paso, double t, int grado = m::grado) {
    double b1 = 0;
    double b2 = 0;
    for (int k = grado; k >= 1; --k) {
        const double b = 2 * t * b1 - b2 + c[static_cast<std::ptrdiff_t>(k) * paso];
        b2 = b1;
        b1 = b;
    }
    return t * b1 - b2 + c[0];
}

// The cell of a coordinate, and where in it, from -1 to 1.
int celda(double c) {
    const int k = static_cast<int>(std::floor((c - m::origen) / m::lado));
    return std::clamp(k, 0, m::celdas - 1);
}
double en_celda(double c, int k) {
    return 2 * (c - (m::origen + k * m::lado)) / m::lado - 1;
}
const double* serie_de(int i, int j) {
    const int s =
        tabla_hantush::indice[static_cast<size_t>(j) * m::celdas + static_cast<size_t>(i)];
    return s < 0 ? nullptr : &tabla_hantush::serie[static_cast<size_t>(s) * m::coeficientes];
}

// Cell (i, j)'s series at y = ln q: its series in x there.
void fila_de(int i, int j, double y, double* cx) {
    const double* c = serie_de(i, j);
    const double ty = en_celda(y, j);
    for (int k = 0; k < m::terminos; ++k)
        cx[k] = clenshaw(c + static_cast<std::ptrdiff_t>(k) * m::terminos, 1, ty);
}
// At x = ln p: its series in y.
void columna_de(int i, int j, double x, double* cy) {
    const double* c = serie_de(i, j);
    const double tx = en_celda(x, i);
    for (int l = 0; l < m::terminos; ++l) cy[l] = clenshaw(c + l, m::terminos, tx);
}

// sum_n c_n E_{n+1}(p), E_{n+1} by the forward recurrence from E1.
double serie_en_E(const std::array<double, terminos_serie>& c, double p) {
    const double e = std::exp(-p);
    double En = E1(p);
    double suma = c[0] * En;
    for (int n = 1; n < terminos_serie; ++n) {
        En = (e - p * En) / n;
        suma += c[static_cast<size_t>(n)] * En;
    }
    return suma;
}

// c_n E_{n+1}(p), each.
std::array<double, terminos_serie> en_E(std::array<double, terminos_serie> c, double p) {
    const double e = std::exp(-p);
    double En = E1(p);
    for (int n = 0; n < terminos_serie; ++n) {
        if (n > 0) En = (e - p * En) / n;
        c[static_cast<size_t>(n)] *= En;
    }
    return c;
}

// (-q)^n / n!.
std::array<double, terminos_serie> potencias(double q) {
    std::array<double, terminos_serie> c{};
    double t = 1;
    for (int n = 0; n < terminos_serie; ++n) {
        c[static_cast<size_t>(n)] = t;
        t *= -q / (n + 1);
    }
    return c;
}

// w(p, q) from the table, q0 < q <= p, p + q <= 75: along y first where the caller's q is a
// source's (a row), along x first where its p is (a column), as the restrictions compute it.
double w_tabla(double p, double q, bool por_columna) {
    const double x = std::log(p);
    const double y = std::log(q);
    const int i = celda(x);
    const int j = celda(y);
    std::array<double, m::terminos> c{};
    if (por_columna) {
        columna_de(i, j, x, c.data());
        return std::exp(clenshaw(c.data(), 1, en_celda(y, j)));
    }
    fila_de(i, j, y, c.data());
    return std::exp(clenshaw(c.data(), 1, en_celda(x, i)));
}

}  // namespace

double K0(double x) {
    using coef_k0::cerca_p, coef_k0::cerca_q, coef_k0::cerca_p2, coef_k0::lejos_p, coef_k0::lejos_q;
    if (x <= 1) {
        double a = x * x / 4;
        a = (polinomio(cerca_p, a) / polinomio(cerca_q, a) + coef_k0::cerca_y) * a + 1;
        return polinomio(cerca_p2, x * x) - std::log(x) * a;
    }
    const double z = 1 / x;
    return (polinomio(lejos_p, z) / polinomio(lejos_q, z) + 1) * std::exp(-x) / std::sqrt(x);
}

double w_inferior(double p, double q) {
    if (!(p + q <= m::suma_maxima)) return 0;
    if (q <= q0) return serie_en_E(potencias(q), p);
    return w_tabla(p, q, false);
}

double W_hantush(double u, double beta) {
    if (!(u > 0) || !(beta >= 0)) return std::numeric_limits<double>::quiet_NaN();
    if (beta == 0) return E1(u);
    const double v = beta * beta / (4 * u);
    if (u >= v) return w_inferior(u, v);
    const double k0 = 2 * K0(beta);
    if (!(u + v <= m::suma_maxima)) return k0;
    if (u <= q0) {  // the series in u, the powers of E_{n+1}(v)
        std::array<double, terminos_serie> c = potencias(1.0);
        return k0 - polinomio(en_E(c, v), u);
    }
    return k0 - w_tabla(v, u, true);
}

HantushFuente hantush_fuente(double v) {
    HantushFuente f;
    f.v = v;
    f.u_cero = m::suma_maxima - v;
    f.solo_k0 = !(v <= m::suma_maxima);
    if (f.solo_k0) return f;
    if (v <= q0) {
        f.serie_fila = true;
        f.fila_serie = potencias(v);
    } else {
        const double y = std::log(v);
        const int j = celda(y);
        f.fila_desde = j;
        for (f.fila_hasta = j; f.fila_hasta < m::celdas && serie_de(f.fila_hasta, j) != nullptr;)
            ++f.fila_hasta;
        f.fila.resize(static_cast<size_t>(f.fila_hasta - f.fila_desde) * m::terminos);
        for (int i = f.fila_desde; i < f.fila_hasta; ++i)
            fila_de(i, j, y, &f.fila[static_cast<size_t>(i - f.fila_desde) * m::terminos]);
    }
    // u < v: the series in u below q0, the column of x = ln v above.
    f.columna_serie = en_E(potencias(1.0), v);
    if (v > q0) {
        const double x = std::log(v);
        const int i = celda(x);
        f.columna_hasta = celda(x) + 1;
        f.columna.assign(static_cast<size_t>(f.columna_hasta) * m::terminos, 0.0);
        for (int j = 0; j < f.columna_hasta; ++j) {
            if (serie_de(i, j) != nullptr)
                columna_de(i, j, x, &f.columna[static_cast<size_t>(j) * m::terminos]);
        }
    }
    return f;
}

double W_hantush(const HantushFuente& f, double u) {
    if (!(u > 0)) return std::numeric_limits<double>::quiet_NaN();
    if (u >= f.v) {
        if (!(u < f.u_cero)) return 0;
        if (f.serie_fila) return serie_en_E(f.fila_serie, u);
        const double x = std::log(u);
        const int i = celda(x);
        return std::exp(clenshaw(&f.fila[static_cast<size_t>(i - f.fila_desde) * m::terminos], 1,
                                 en_celda(x, i)));
    }
    const double k0 = 2 * K0(2 * std::sqrt(u * f.v));
    if (f.solo_k0 || !(u < f.u_cero)) return k0;
    if (u <= q0) return k0 - polinomio(f.columna_serie, u);
    const double y = std::log(u);
    const int j = celda(y);
    return k0 -
           std::exp(clenshaw(&f.columna[static_cast<size_t>(j) * m::terminos], 1, en_celda(y, j)));
}

namespace {

// Chebyshev's nodes of a series of HantushLog's degree, the cosines that turn the values there
// into its coefficients, and each Chebyshev polynomial's powers of t, once: fitting a source's
// series is then its values of W alone.
struct NodosLog {
    static constexpr size_t n = HantushLog::terminos;
    std::array<double, n> t{};
    std::array<double, n * n> coseno{};
    std::array<long double, n * n> potencias{};  // T_j's coefficient of t^m at j n + m
    NodosLog() {
        const double pi = std::numbers::pi;
        for (size_t a = 0; a < n; ++a) {
            const double nodo = (static_cast<double>(a) + 0.5) / n;
            t[a] = std::cos(pi * nodo);
            for (size_t j = 0; j < n; ++j)
                coseno[j * n + a] =
                    std::cos(pi * static_cast<double>(j) * nodo) * (j == 0 ? 1.0 : 2.0) / n;
        }
        potencias[0] = 1;  // T_0 = 1, T_1 = t, T_j = 2t T_(j-1) - T_(j-2)
        potencias[n + 1] = 1;
        for (size_t j = 2; j < n; ++j) {
            for (size_t m = 0; m < n; ++m) {
                potencias[j * n + m] =
                    (m > 0 ? 2 * potencias[(j - 1) * n + m - 1] : 0) - potencias[(j - 2) * n + m];
            }
        }
    }
};

// The degree a cell's series needs: the values fitted carry the restriction's error, some 1e-15 of
// their size, and the coefficients beyond where the series has converged are that error alone.
// They are dropped from the last one above a few times it, their sum within some 1e-14 of the
// values (with them, the fit followed the error); Horner's rule then runs the terms that count,
// half of them or fewer.
template <size_t N>
size_t grado_util(const std::array<long double, N>& chebyshev, const std::array<double, N>& valor) {
    constexpr double ruido = 3e-15;
    double escala = 1;
    for (double v : valor) escala = std::max(escala, std::fabs(v));
    size_t grado = N - 1;
    while (grado > 1 && std::fabs(static_cast<double>(chebyshev[grado])) <= ruido * escala) --grado;
    return grado;
}

// Near the source, u <= min(1, 1/v), W = B(u) - ln u A(u) with A and B whole in u: 2 K0(beta) by
// its series, -(ln(uv) + 2 gamma) I0(beta) + 2 sum H_k (uv)^k / k!^2 with I0(beta) = A(u) =
// sum (uv)^k / k!^2, less w(v, u) = sum (-u)^n E_{n+1}(v) / n!. There W >= W(1, 2) = 0.11, and the
// powers are kept while a term at the region's end reaches 1e-18 (E_{n+1}(v) by the forward
// recurrence, whose error grows as v^n / n! where u^n / n! <= v^-n / n! takes it back).
void serie_cerca(const HantushFuente& f, HantushLog& l) {
    const long double v = f.v;
    l.u_cerca = std::min(1.0, 1 / f.v);
    const long double log_v = std::log(v);
    const long double e = std::exp(-v);
    long double En = E1(f.v);
    long double potencia_v = 1;  // v^n / n!^2
    long double inverso = 1;     // 1 / n!
    long double armonico = 0;    // H_n
    long double termino = 1;     // u_cerca^n
    for (size_t n = 0; n < HantushLog::terminos_cerca; ++n) {
        if (n > 0) {
            const auto k = static_cast<long double>(n);
            En = (e - v * En) / k;
            potencia_v *= v / (k * k);
            inverso /= k;
            armonico += 1 / k;
            termino *= l.u_cerca;
        }
        const long double signo = n % 2 == 0 ? 1 : -1;
        l.cerca_a[n] = static_cast<double>(potencia_v);
        l.cerca_b[n] = static_cast<double>(
            (2 * armonico - log_v - 2 * std::numbers::egamma_v<long double>)*potencia_v -
            signo * En * inverso);
        if (std::max(std::fabs(l.cerca_a[n]), std::fabs(l.cerca_b[n])) * termino > 1e-18)
            l.grado_cerca = static_cast<int>(n);
    }
}

}  // namespace

HantushLog hantush_log(const HantushFuente& f, double u_desde) {
    static const NodosLog nodos;
    HantushLog l;
    // W is 0 from u_cero on where u >= v; where u < v, above 75 - v, it is 2 K0(beta), not 0.
    l.u_cero = f.solo_k0 ? f.u_cero : std::max(f.u_cero, f.v);
    if (!(u_desde > 0) || !(u_desde < l.u_cero)) return l;
    serie_cerca(f, l);
    // The cells end where W becomes 0, so that none reaches across it.
    constexpr size_t n = HantushLog::terminos;
    const double x_hasta = std::log(l.u_cero);
    l.celdas = static_cast<int>(std::ceil((x_hasta - std::log(u_desde)) / HantushLog::lado));
    l.x_desde = x_hasta - l.celdas * HantushLog::lado;
    l.u_desde = std::exp(l.x_desde);
    l.potencias.resize(static_cast<size_t>(l.celdas) * n);
    std::array<double, n> valor{};
    std::array<long double, n> chebyshev{};
    for (size_t k = 0; k < static_cast<size_t>(l.celdas); ++k) {
        const double inicio = l.x_desde + static_cast<double>(k) * HantushLog::lado;
        for (size_t a = 0; a < n; ++a) {
            valor[a] = W_hantush(f, std::exp(inicio + (nodos.t[a] + 1) / 2 * HantushLog::lado));
        }
        const auto [menor, mayor] = std::minmax_element(valor.begin(), valor.end());
        if (l.directas == static_cast<int>(k) && *mayor <= HantushLog::cambio_directo * *menor) {
            ++l.directas;
        } else {
            for (double& v : valor) v = std::log(v);
        }
        for (size_t j = 0; j < n; ++j) {
            long double c = 0;
            for (size_t a = 0; a < n; ++a) c += valor[a] * nodos.coseno[j * n + a];
            chebyshev[j] = c;
        }
        const size_t grado = grado_util(chebyshev, valor);
        l.grado = std::max(l.grado, static_cast<int>(grado));
        for (size_t m = 0; m <= grado; ++m) {
            long double p = 0;
            for (size_t j = m; j <= grado; ++j) p += chebyshev[j] * nodos.potencias[j * n + m];
            l.potencias[k * n + m] = static_cast<double>(p);
        }
    }
    return l;
}

double W_hantush(const HantushLog& l, double u) {
    if (u <= l.u_cerca)
        return std::fma(-std::log(u), polinomio(l.cerca_a, u), polinomio(l.cerca_b, u));
    if (!(u < l.u_cero)) return 0;
    const double x = std::log(u);
    const int k = std::clamp(static_cast<int>(std::floor((x - l.x_desde) / HantushLog::lado)), 0,
                             l.celdas - 1);
    const double t = 2 * (x - (l.x_desde + k * HantushLog::lado)) / HantushLog::lado - 1;
    const double* a = &l.potencias[static_cast<size_t>(k) * HantushLog::terminos];
    double p = a[l.grado];
    for (int m = l.grado - 1; m >= 0; --m) p = std::fma(p, t, a[m]);
    return k < l.directas ? p : std::exp(p);
}

}  // namespace abat
