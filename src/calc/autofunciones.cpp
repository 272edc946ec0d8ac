#include "calc/autofunciones.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

#include "calc/aritmetica.h"
#include "calc/funcion_pozo.h"
#include "calc/hilos.h"
#include "calc/interpolacion_chebyshev.h"
#include "model/unidades.h"

namespace abat {
namespace {

constexpr double pi = std::numbers::pi;
constexpr double infinito = std::numeric_limits<double>::infinity();

// The split time is kappa L^2 / D, L the narrowest width. In a rectangle the images then are those
// of the wells within a quarter of a width of a side, and some twenty modes an axis remain (the
// map of 1,000 wells in 10 km: some 3,400 wells and images and 324 modes, where kappa = 0.02 left
// 7,600 and 0.002 2,300 and 1,200 modes, neither faster). Across a strip, whose modes cost two
// erfc's at each place and source, two or three modes and some twenty images.
constexpr double kappa_rectangulo = 0.005;
constexpr double kappa_franja = 1.0;
// A long, narrow rectangle would need many modes along it: its split time grows so that a place
// adds at most this many (and its images grow instead).
constexpr int max_modos_rectangulo = 4096;
constexpr int max_modos_eje = 1024;
constexpr int max_modos_franja = 64;
constexpr int max_grado_a_lo_largo = 2000;
constexpr double ln_modos = 30;  // ln(1 / the modes' decay at the last one), for that estimate

bool con_serie(Disposicion d) {
    return d == Disposicion::franja || d == Disposicion::franja_cerrada ||
           d == Disposicion::rectangulo;
}

// The program's W less E1 below u_cruce: Euler's constant to six decimals, and E1's terms beyond
// the series' five, (-u)^n / (n n!) for n = 6 to 16 (the rest below 1e-20 there).
constexpr double desvio_euler = std::numbers::egamma - euler;
constexpr int primer_termino = 6;
constexpr int ultimo_termino = 16;

constexpr std::array<double, ultimo_termino + 1> coeficientes_desvio = [] {
    std::array<double, ultimo_termino + 1> c{};
    double factorial = 1;
    for (int n = 1; n <= ultimo_termino; ++n) {
        factorial *= n;
        if (n >= primer_termino) c[n] = (n % 2 == 0 ? 1.0 : -1.0) / (n * factorial);
    }
    return c;
}();

constexpr std::array<std::array<double, ultimo_termino + 1>, ultimo_termino + 1> binomiales = [] {
    std::array<std::array<double, ultimo_termino + 1>, ultimo_termino + 1> b{};
    for (int n = 0; n <= ultimo_termino; ++n) {
        b[n][0] = 1;
        for (int j = 1; j <= n; ++j) b[n][j] = b[n - 1][j - 1] + (j < n ? b[n - 1][j] : 0.0);
    }
    return b;
}();

// The integral of that difference over 0 < u < u_cruce.
double desvio_integral() {
    double s = desvio_euler * u_cruce;
    for (int n = primer_termino; n <= ultimo_termino; ++n)
        s += coeficientes_desvio[n] * std::pow(u_cruce, n + 1) / (n + 1);
    return s;
}

// Its integral along a line at w = c d^2 from the place, in units of 1 / sqrt(c): over v^2 <
// u_cruce - w of the difference at w + v^2. With V^2 = u_cruce - w and v = V s, that is 2 V times
// the sum over j of e_j I_j V^(2j), e_j the difference's Taylor coefficients at u_cruce in powers
// of (u_cruce - u) and I_j the integral of (1 - s^2)^j over 0 < s < 1.
double desvio_a_lo_largo(double w) {
    static const std::array<double, ultimo_termino + 1> coeficientes = [] {
        std::array<double, ultimo_termino + 1> c{};
        double integral = 1;  // I_j
        for (int j = 0; j <= ultimo_termino; ++j) {
            double e = j == 0 ? desvio_euler : 0.0;
            for (int n = std::max(primer_termino, j); n <= ultimo_termino; ++n)
                e += coeficientes_desvio[n] * binomiales[n][j] * std::pow(u_cruce, n - j);
            c[j] = (j % 2 == 0 ? 1.0 : -1.0) * e * integral;
            integral *= 2.0 * (j + 1) / (2 * j + 3);
        }
        return c;
    }();
    if (!(w < u_cruce)) return 0.0;
    const double v2 = u_cruce - w;
    double s = 0;
    for (int j = ultimo_termino; j >= 0; --j) s = s * v2 + coeficientes[j];
    return 2 * std::sqrt(v2) * s;
}

// e^(z^2) erfc(z) for z >= 0: beyond 25, where erfc nears the smallest double, its asymptotic
// series, whose next term is below 3e-13 of it there.
double erfc_escalada(double z) {
    if (z < 25) return std::exp(z * z) * std::erfc(z);
    const double r = 1 / (2 * z * z);
    return (1 - r * (1 - 3 * r * (1 - 5 * r * (1 - 7 * r)))) / (z * std::sqrt(pi));
}

// The integral over 0 < s < tau of s^(-1/2) exp(-a s - b / s), a, b >= 0: for a > 0
// (1/2) sqrt(pi / a) (e^(-2 sqrt(ab)) erfc(sqrt(b/tau) - sqrt(a tau)) -
// e^(2 sqrt(ab)) erfc(sqrt(b/tau) + sqrt(a tau))), each product kept from overflow by
// e^(z^2) erfc(z) where its argument is positive; for a = 0 its limit.
double integral_temporal(double tau, double a, double b) {
    const double x = std::sqrt(b / tau);
    if (a == 0) return 2 * std::sqrt(tau) * std::exp(-x * x) - 2 * std::sqrt(pi * b) * std::erfc(x);
    const double y = std::sqrt(a * tau);
    const double cola = std::exp(-(b / tau + a * tau));
    const double menos =
        x >= y ? erfc_escalada(x - y) * cola : std::exp(-2 * std::sqrt(a * b)) * std::erfc(x - y);
    return 0.5 * std::sqrt(pi / a) * (menos - erfc_escalada(x + y) * cola);
}

// The geometric bound of sum over j >= n of exp(-e (j + c)^2): the ratio of a term to the last
// falls as j grows.
double cola_gaussiana(double e, double c) {
    const double r = std::exp(-e * (2 * c + 1));
    return r < 1 ? std::exp(-e * c * c) / (1 - r) : infinito;
}

}  // namespace

double tiempo_de_corte(const Contorno& contorno, const Acuifero& a) {
    const double D = a.T / a.S;
    if (!con_serie(contorno.disposicion) || !(a.T > 0) || !(a.S > 0) || !std::isfinite(D))
        return infinito;
    const Marco& m = contorno.marco;
    double cuadrado = m.ancho_xi * m.ancho_xi;
    if (contorno.disposicion != Disposicion::rectangulo) {
        cuadrado *= kappa_franja;
    } else {
        cuadrado =
            std::fmax(kappa_rectangulo * std::pow(std::fmin(m.ancho_xi, m.ancho_eta), 2),
                      ln_modos * m.ancho_xi * m.ancho_eta / (pi * pi * max_modos_rectangulo));
    }
    const double dias = cuadrado / D / segundos_por_dia;
    if (!(dias > 0) || !std::isfinite(dias)) return infinito;
    return dias;
}

double Autofunciones::Eje::q(int j) const {
    return (primero + j + theta) * pi / L;
}

double Autofunciones::Eje::peso(int j) const {
    return constante() && j == 0 ? 1 / L : 2 / L;
}

// The modes' values by the recurrence of the cosines and sines of equally spaced angles.
void Autofunciones::Eje::valores(double coordenada, int n, double* v) const {
    const double alfa = pi * coordenada / L;
    const double inicio = (primero + theta) * alfa;
    v[0] = seno ? std::sin(inicio) : std::cos(inicio);
    if (n < 2) return;
    v[1] = seno ? std::sin(inicio + alfa) : std::cos(inicio + alfa);
    const double doble = 2 * std::cos(alfa);
    for (int j = 2; j < n; ++j) v[j] = doble * v[j - 1] - v[j - 2];
}

Autofunciones::Autofunciones(Contorno contorno, const Acuifero& acuifero, double corte,
                             std::vector<FuenteSerie> fuentes, size_t pozos, double tolerancia)
    : contorno_(std::move(contorno)),
      acuifero_(acuifero),
      D_(acuifero.T / acuifero.S),
      fuga_(acuifero.c ? 1 / (acuifero.S * *acuifero.c * segundos_por_dia) : 0.0),
      corte_(corte * segundos_por_dia),
      fuentes_(std::move(fuentes)) {
    const Marco& m = contorno_.marco;
    const auto eje = [](double L, double s0, double s1) {
        Eje e;
        e.L = L;
        e.seno = s0 < 0;
        e.theta = s0 != s1 ? 0.5 : 0.0;
        e.primero = s0 < 0 && s1 < 0 ? 1 : 0;
        return e;
    };
    ex_ = eje(m.ancho_xi, m.signo_xi0, m.signo_xi1);
    if (contorno_.disposicion == Disposicion::rectangulo)
        ey_ = eje(m.ancho_eta, m.signo_eta0, m.signo_eta1);
    inicio_.assign(pozos + 1, 0);  // the sources come well after well
    for (const FuenteSerie& f : fuentes_) ++inicio_[f.pozo + 1];
    for (size_t k = 0; k < pozos; ++k) inicio_[k + 1] += inicio_[k];
    elegir_modos(tolerancia);
    if (contorno_.disposicion == Disposicion::rectangulo) {
        preparar_rectangulo();
        return;
    }
    raiz_ = std::sqrt(4 * pi * D_);
    ancho_corte_ = std::sqrt(4 * D_ * corte_);
    fase_.resize(fuentes_.size() * static_cast<size_t>(mx_));
    for (size_t s = 0; s < fuentes_.size(); ++s) {
        eta_.push_back(eta(fuentes_[s].x, fuentes_[s].y));
        const double ancho = std::sqrt(4 * D_ * fuentes_[s].bombeo * segundos_por_dia);
        desvio_.push_back({fuentes_[s].k / ex_.L, ancho, 1 / (ancho * ancho)});
        double* f = fase_.data() + s * static_cast<size_t>(mx_);
        ex_.valores(xi(fuentes_[s].x, fuentes_[s].y), mx_, f);
        for (int j = 0; j < mx_; ++j) f[j] *= ex_.peso(j);
    }
}

double Autofunciones::xi(double x, double y) const {
    const Marco& m = contorno_.marco;
    return (x - m.ox) * m.xi_x + (y - m.oy) * m.xi_y;
}

double Autofunciones::eta(double x, double y) const {
    const Marco& m = contorno_.marco;
    return (x - m.ox) * m.eta_x + (y - m.oy) * m.eta_y;
}

// The fewest modes whose neglect adds at most `tolerancia`.
void Autofunciones::elegir_modos(double tolerancia) {
    double fuerza = 0;  // the sum of the sources' |Q| / S
    for (const FuenteSerie& f : fuentes_) fuerza += 4 * pi * D_ * std::fabs(f.k);
    const double tau = corte_;
    // Along an axis, the weighted decay of the modes from the n-th on, and their least D q^2.
    const auto cola = [&](const Eje& e, int n) {
        const double paso = D_ * tau * std::pow(pi / e.L, 2);
        return 2 / e.L * cola_gaussiana(paso, e.primero + n + e.theta);
    };
    const auto decae = [&](const Eje& e, int n) { return D_ * e.q(n) * e.q(n); };
    if (contorno_.disposicion != Disposicion::rectangulo) {
        const double lados = contorno_.disposicion == Disposicion::franja_cerrada ? 2.0 : 1.0;
        const double raiz = 1 / std::sqrt(4 * pi * D_ * tau);
        for (mx_ = 1;; ++mx_) {
            cota_ = fuerza * lados * raiz * cola(ex_, mx_) / decae(ex_, mx_);
            if (cota_ <= tolerancia || mx_ == max_modos_franja) break;
        }
        modos_ = static_cast<size_t>(mx_);
        return;
    }
    const auto todo = [&](const Eje& e, int n) {
        double s = cola(e, n);
        for (int j = 0; j < n; ++j) s += e.peso(j) * std::exp(-D_ * tau * e.q(j) * e.q(j));
        return s;
    };
    mx_ = 1;
    my_ = 1;
    while (true) {
        const double en_x = cola(ex_, mx_) * todo(ey_, my_) / decae(ex_, mx_);
        const double en_y = todo(ex_, mx_) * cola(ey_, my_) / decae(ey_, my_);
        cota_ = fuerza * (en_x + en_y);
        if (cota_ <= tolerancia || mx_ * my_ >= max_modos_rectangulo) break;
        int& mas = en_x >= en_y ? mx_ : my_;
        if (mas == max_modos_eje) break;
        ++mas;
    }
    modos_ = static_cast<size_t>(mx_) * static_cast<size_t>(my_);
}

// Each well's amplitudes: its steps' (Q / S) X(xi_s) Y(eta_s) times the integral of each pair of
// modes' decay from the split time to the step's pumping time; in a closed box the constant mode
// carries the program's W's departure from E1 too (its image lattice's zero frequency).
void Autofunciones::preparar_rectangulo() {
    const auto mx = static_cast<size_t>(mx_);
    const auto my = static_cast<size_t>(my_);
    std::vector<double> px(mx);
    std::vector<double> py(my);
    std::vector<double> ex(mx);
    std::vector<double> ey(my);
    std::vector<double> inicio(mx * my);  // e^(-D lambda tau*) / (D lambda)
    for (size_t i = 0; i < mx; ++i) {
        for (size_t j = 0; j < my; ++j) {
            const double lambda = D_ * (std::pow(ex_.q(static_cast<int>(i)), 2) +
                                        std::pow(ey_.q(static_cast<int>(j)), 2)) +
                                  fuga_;
            inicio[i * my + j] = lambda > 0 ? std::exp(-lambda * corte_) / lambda : 0.0;
        }
    }
    const double caja =
        ex_.constante() && ey_.constante() && fuga_ == 0 ? 1 + desvio_integral() : 1.0;
    a_pozo_.assign(inicio_.size() - 1, {});
    a_total_.assign(mx * my, 0.0);
    for (size_t k = 0; k + 1 < inicio_.size(); ++k) {
        if (inicio_[k] == inicio_[k + 1]) continue;
        std::vector<double>& a = a_pozo_[k];
        a.assign(mx * my, 0.0);
        for (size_t s = inicio_[k]; s < inicio_[k + 1]; ++s) {
            const FuenteSerie& f = fuentes_[s];
            const double resto = f.bombeo * segundos_por_dia - corte_;
            ex_.valores(xi(f.x, f.y), mx_, px.data());
            ey_.valores(eta(f.x, f.y), my_, py.data());
            for (size_t i = 0; i < mx; ++i)
                ex[i] = std::exp(-D_ * resto * std::pow(ex_.q(static_cast<int>(i)), 2));
            for (size_t j = 0; j < my; ++j)
                ey[j] = std::exp(-D_ * resto * std::pow(ey_.q(static_cast<int>(j)), 2));
            const double q_s = 4 * pi * D_ * f.k;
            const double fugado = std::exp(-fuga_ * resto);
            for (size_t i = 0; i < mx; ++i) {
                const double ai = q_s * ex_.peso(static_cast<int>(i)) * px[i];
                for (size_t j = 0; j < my; ++j) {
                    const double b = inicio[i * my + j];
                    const double integral = b > 0 ? b * (1 - ex[i] * ey[j] * fugado)
                                                  : resto * (i == 0 && j == 0 ? caja : 1.0);
                    a[i * my + j] += ai * ey_.peso(static_cast<int>(j)) * py[j] * integral;
                }
            }
        }
        for (size_t i = 0; i < a.size(); ++i) a_total_[i] += a[i];
    }
}

// Along the rows of amplitudes, times each mode across; then along the row: one pass over the
// amplitudes, whose sums run side by side.
double Autofunciones::rectangulo(const std::vector<double>& a, double x, double y) const {
    if (a.empty()) return 0.0;
    std::array<double, max_modos_eje> px;    // NOLINT(cppcoreguidelines-pro-type-member-init)
    std::array<double, max_modos_eje> py;    // NOLINT(cppcoreguidelines-pro-type-member-init)
    std::array<double, max_modos_eje> fila;  // NOLINT(cppcoreguidelines-pro-type-member-init)
    const auto mx = static_cast<size_t>(mx_);
    const auto my = static_cast<size_t>(my_);
    ex_.valores(xi(x, y), mx_, px.data());
    ey_.valores(eta(x, y), my_, py.data());
    std::fill_n(fila.begin(), my, 0.0);
    for (size_t i = 0; i < mx; ++i) {
        const double* ai = a.data() + i * my;
        for (size_t j = 0; j < my; ++j) fila[j] += px[i] * ai[j];
    }
    double s = 0;
    for (size_t j = 0; j < my; ++j) s += fila[j] * py[j];
    return s;
}

// Source s's mode j along a strip at eta, without its value across: the integral of its decay
// times the Gaussian along the strip, in closed form, from the split time to the source's
// pumping time; a closed strip's source mirrored across its end.
double Autofunciones::modo_a_lo_largo(size_t s, size_t j, double e) const {
    const double decae = D_ * std::pow(ex_.q(static_cast<int>(j)), 2) + fuga_;
    const double t = fuentes_[s].bombeo * segundos_por_dia;
    const auto integral = [&](double d) {
        const double b2 = d * d / (4 * D_);
        return integral_temporal(t, decae, b2) - integral_temporal(corte_, decae, b2);
    };
    double v = integral(e - eta_[s]);
    if (contorno_.disposicion == Disposicion::franja_cerrada)
        v += contorno_.marco.signo_eta0 * integral(e + eta_[s]);
    return raiz_ * fuentes_[s].k * fase_[s * static_cast<size_t>(mx_) + j] * v;
}

// Between two barriers, source s's share of the program's W's departure from E1 at eta: the zero
// frequency of its image lattice across the strip, an integral along each line of images, at its
// pumping time less at the split time (each nought beyond sqrt(4 D t u_cruce)).
double Autofunciones::desvio_franja(size_t s, double e) const {
    if (!ex_.constante() || fuga_ > 0) return 0.0;
    const Desvio& a = desvio_[s];
    const auto a_lo_largo = [&](double d) {
        const double d2 = d * d;
        double v = a.ancho * desvio_a_lo_largo(d2 * a.inverso);
        if (d2 < u_cruce * ancho_corte_ * ancho_corte_)
            v -= ancho_corte_ * desvio_a_lo_largo(d2 / (ancho_corte_ * ancho_corte_));
        return v;
    };
    double v = a_lo_largo(e - eta_[s]);
    if (contorno_.disposicion == Disposicion::franja_cerrada)
        v += contorno_.marco.signo_eta0 * a_lo_largo(e + eta_[s]);
    return a.k * v;
}

// Sources desde to hasta of a strip or closed strip: their modes across it times their integrals
// along it, and the departure.
double Autofunciones::franja(size_t desde, size_t hasta, double x, double y) const {
    std::array<double, max_modos_franja> px;  // NOLINT(cppcoreguidelines-pro-type-member-init)
    ex_.valores(xi(x, y), mx_, px.data());
    const double e = eta(x, y);
    double s = 0;
    for (size_t f = desde; f < hasta; ++f) {
        double v = desvio_franja(f, e);
        for (size_t j = 0; j < static_cast<size_t>(mx_); ++j) v += px[j] * modo_a_lo_largo(f, j, e);
        s += v;
    }
    return s;
}

// The degree of the interpolant along a strip of the sources' modes over [desde, hasta] within
// `tolerancia`, or 0 where none is. Each mode's sum is entire in eta: on the Bernstein ellipse of
// ratio rho, whose imaginary parts reach b, every Gaussian exp(-d^2 / (4 D tau)) of tau > tau* is
// at most exp(b^2 / (4 D tau*)) in size, so the sum is at most that times its size at d = 0, M;
// the degree-n interpolant errs by at most 4 M rho^-n / (rho - 1) (Trefethen, Approximation Theory
// and Approximation Practice, theorem 8.2), the best of some rho taken for each mode.
int Autofunciones::grado_a_lo_largo(double desde, double hasta, double tolerancia,
                                    double& cota) const {
    const auto mx = static_cast<size_t>(mx_);
    std::vector<double> tamano(mx, 0.0);  // M / exp(b^2 / (4 D tau*)), each mode's
    const double lados = contorno_.disposicion == Disposicion::franja_cerrada ? 2.0 : 1.0;
    for (size_t f = 0; f < fuentes_.size(); ++f) {
        const double t = fuentes_[f].bombeo * segundos_por_dia;
        for (size_t j = 0; j < mx; ++j) {
            const double decae = D_ * std::pow(ex_.q(static_cast<int>(j)), 2) + fuga_;
            const double centro =
                integral_temporal(t, decae, 0) - integral_temporal(corte_, decae, 0);
            tamano[j] += lados * raiz_ * std::fabs(fuentes_[f].k * fase_[f * mx + j]) * centro;
        }
    }
    const double mitad = (hasta - desde) / 2;
    for (int n = 4; n <= max_grado_a_lo_largo; n += 4) {
        cota = 0;
        for (const double m : tamano) {
            double mejor = infinito;
            for (double rho = 1.02; rho < 100; rho *= 1.15) {
                const double b = mitad * (rho - 1 / rho) / 2;
                mejor = std::fmin(
                    mejor,
                    4 * m * std::exp(b * b / (4 * D_ * corte_) - n * std::log(rho)) / (rho - 1));
            }
            cota += mejor;
        }
        // and the values' rounding, amplified by the interpolant
        double suma = 0;
        for (const double m : tamano) suma += m;
        cota += lebesgue_chebyshev(n) * 16 * std::numeric_limits<double>::epsilon() * suma;
        if (cota <= tolerancia) return n;
    }
    return 0;
}

double Autofunciones::totales(std::span<const double> x, std::span<const double> y,
                              std::span<double> valores, double tolerancia) const {
    const size_t m = x.size();
    const bool rectangulo = contorno_.disposicion == Disposicion::rectangulo;
    double desde = infinito;
    double hasta = -infinito;
    for (size_t i = 0; i < m; ++i) {
        desde = std::fmin(desde, eta(x[i], y[i]));
        hasta = std::fmax(hasta, eta(x[i], y[i]));
    }
    double cota = 0;
    const int n =
        rectangulo || !(hasta > desde) ? 0 : grado_a_lo_largo(desde, hasta, tolerancia, cota);
    const auto mx = static_cast<size_t>(mx_);
    if (n == 0 || static_cast<size_t>(n + 1) * 4 > m) {
        en_paralelo(m, 64, hilos_para(static_cast<double>(m) * coste()), [&](size_t a, size_t b) {
            for (size_t i = a; i < b; ++i) valores[i] = total(x[i], y[i]);
        });
        return 0.0;
    }
    // The modes along the strip summed over the sources at the Chebyshev points.
    const std::vector<double> puntos = puntos_chebyshev(desde, hasta, n);
    std::vector<double> modos(puntos.size() * mx, 0.0);
    en_paralelo(puntos.size(), 1, hilos_para(static_cast<double>(puntos.size()) * coste()),
                [&](size_t a, size_t b) {
                    for (size_t k = a; k < b; ++k) {
                        for (size_t f = 0; f < fuentes_.size(); ++f) {
                            for (size_t j = 0; j < mx; ++j)
                                modos[k * mx + j] += modo_a_lo_largo(f, j, puntos[k]);
                        }
                    }
                });
    const double por_lugar = static_cast<double>(ex_.constante() ? fuentes_.size() : 0) + n;
    en_paralelo(m, 64, hilos_para(static_cast<double>(m) * por_lugar), [&](size_t a, size_t b) {
        std::array<double, max_modos_franja> px;  // NOLINT(cppcoreguidelines-pro-type-member-init)
        std::vector<double> pesos;
        for (size_t i = a; i < b; ++i) {
            ex_.valores(xi(x[i], y[i]), mx_, px.data());
            const double e = eta(x[i], y[i]);
            pesos = pesos_chebyshev(puntos, std::span(&e, 1));
            double v = 0;
            for (size_t f = 0; ex_.constante() && f < fuentes_.size(); ++f)
                v += desvio_franja(f, e);
            for (size_t j = 0; j < mx; ++j) {
                double modo = 0;
                for (size_t k = 0; k < puntos.size(); ++k) modo += pesos[k] * modos[k * mx + j];
                v += px[j] * modo;
            }
            valores[i] = v;
        }
    });
    return cota;
}

double Autofunciones::coste() const {
    // An erfc costs some ten of the loops' evaluations, and a strip's mode two of them.
    if (contorno_.disposicion == Disposicion::rectangulo) return static_cast<double>(modos_) / 4;
    return static_cast<double>(fuentes_.size() * modos_) * 20;
}

double Autofunciones::total(double x, double y) const {
    if (contorno_.disposicion == Disposicion::rectangulo) return rectangulo(a_total_, x, y);
    return franja(0, fuentes_.size(), x, y);
}

double Autofunciones::parte(size_t pozo, double x, double y) const {
    if (contorno_.disposicion == Disposicion::rectangulo) return rectangulo(a_pozo_[pozo], x, y);
    return franja(inicio_[pozo], inicio_[pozo + 1], x, y);
}

// The drawdown grows as the rate times the pumping time over S: an overflow is blamed on the one
// furthest from 1.
void Autofunciones::desborde(size_t pozo) const {
    double q = 0;
    double t = 0;
    for (size_t s = inicio_[pozo]; s < inicio_[pozo + 1]; ++s) {
        q = std::fmax(q, std::fabs(fuentes_[s].k) * cuatro_pi * acuifero_.T);
        t = std::fmax(t, fuentes_[s].bombeo);
    }
    ErrorCalculo e(
        CodigoError::desbordamiento,
        culpable({{q, Causa::pozo}, {t, Causa::tiempo}, {acuifero_.S, Causa::acuifero, true}}));
    e.pozo = static_cast<int>(pozo) + 1;
    throw e;
}

double Autofunciones::parte_comprobada(size_t pozo, double x, double y) const {
    const double v = parte(pozo, x, y);
    if (!std::isfinite(v)) desborde(pozo);
    return v;
}

double Autofunciones::total_comprobado(double x, double y) const {
    const double v = total(x, y);
    if (std::isfinite(v)) return v;
    double suma = 0;
    for (size_t k = 0; k + 1 < inicio_.size(); ++k) {
        suma += parte(k, x, y);
        if (!std::isfinite(suma)) desborde(k);
    }
    desborde(inicio_.size() - 2);
}

}  // namespace abat
