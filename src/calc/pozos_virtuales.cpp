#include "calc/pozos_virtuales.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

#include "calc/funcion_pozo.h"
#include "calc/seleccion_cotas.h"
#include "model/errores.h"
#include "model/unidades.h"

namespace abat {
namespace {

constexpr double infinito = std::numeric_limits<double>::infinity();
constexpr double pi = std::numbers::pi;

// A change of rate, from `antes` to `despues`: a number when both are.
LecturaEstricta cambio(const LecturaEstricta& antes, const LecturaEstricta& despues) {
    if (!antes.ok()) return antes;
    if (!despues.ok()) return despues;
    const double d = despues.valor - antes.valor;
    return {std::isfinite(d) ? Lectura::numero : Lectura::fuera_de_rango, d};
}

struct Paso {
    double desde;  // days
    LecturaEstricta caudal;
};

// The well's own rate from 0 on, then each step begun before `tiempo` with its change of rate; a
// step that changes nothing adds nothing.
std::vector<Paso> pasos(const Pozo& p, const std::vector<Etapa>* etapas, double tiempo) {
    std::vector<Paso> r = {{0.0, p.caudal}};
    if (etapas == nullptr) return r;
    LecturaEstricta antes = p.caudal;
    for (const Etapa& e : *etapas) {
        if (!(e.desde < tiempo)) break;  // the steps come in order
        const LecturaEstricta c = cambio(antes, e.caudal);
        if (!c.ok() || c.valor != 0) r.push_back({e.desde, c});
        antes = e.caudal;
    }
    return r;
}

struct Imagen {
    double x;
    double y;
    double signo;
    double distancia;  // from the aquifer, m
};

// Along an axis of the frame with lines at 0 (sign s0) and at L (sign s1): the coordinate of the
// image in cell n, [nL, (n + 1)L], of a well at a, and the image's sign. Cell 2m holds the
// translation by 2mL, cell 2m - 1 the reflection across the line at mL.
std::pair<double, double> en_celda(int n, double a, double L, double s0, double s1) {
    const bool impar = n % 2 != 0;
    const int m = impar ? (n + 1) / 2 : n / 2;
    const double s = std::abs(m) % 2 == 0 ? 1.0 : s0 * s1;
    return impar ? std::pair{2 * m * L - a, s0 * s} : std::pair{2 * m * L + a, s};
}

double fuera_de(double v, double L) {
    return std::fmax(0.0, std::fmax(-v, v - L));
}

// The cells of a frame: along xi always; along eta, none (a strip), the one beyond eta = 0 (a
// closed strip) or all (a rectangle).
struct Celdas {
    int eta_min;
    int eta_max;
};

Celdas celdas_de(Disposicion d, int anillos) {
    switch (d) {
        case Disposicion::franja:
            return {0, 0};
        case Disposicion::franja_cerrada:
            return {-1, 0};
        default:
            return {-anillos, anillos};
    }
}

// Images in the frame's cells of rings 1 to `anillos` (ring max(|nx|, |ny|)), ring after ring.
void imagenes_marco(const Contorno& c, double x, double y, int anillos, std::vector<Imagen>& out) {
    const Marco& m = c.marco;
    const double a = (x - m.ox) * m.xi_x + (y - m.oy) * m.xi_y;
    const double b = (x - m.ox) * m.eta_x + (y - m.oy) * m.eta_y;
    const bool rectangulo = c.disposicion == Disposicion::rectangulo;
    // A closed strip has no line at the far end: its one cell across, beyond eta = 0, needs none.
    const double celda_eta = rectangulo ? m.ancho_eta : 0.0;
    double ancho_eta = infinito;  // a strip is open across
    if (rectangulo) ancho_eta = m.ancho_eta;
    const Celdas e = celdas_de(c.disposicion, anillos);
    for (int r = 1; r <= anillos; ++r) {
        for (int ny = std::max(e.eta_min, -r); ny <= std::min(e.eta_max, r); ++ny) {
            for (int nx = -r; nx <= r; ++nx) {
                if (std::max(std::abs(nx), std::abs(ny)) != r) continue;
                const auto [xi, sx] = en_celda(nx, a, m.ancho_xi, m.signo_xi0, m.signo_xi1);
                const auto [eta, sy] = ny == 0
                                           ? std::pair{b, 1.0}
                                           : en_celda(ny, b, celda_eta, m.signo_eta0, m.signo_eta1);
                const double dxi = xi - a;
                const double deta = eta - b;
                out.push_back(
                    {x + dxi * m.xi_x + deta * m.eta_x, y + dxi * m.xi_y + deta * m.eta_y, sx * sy,
                     std::hypot(fuera_de(xi, m.ancho_xi), c.disposicion == Disposicion::franja
                                                              ? 0.0
                                                              : fuera_de(eta, ancho_eta))});
            }
        }
    }
}

// From a place at (rx, ry) off the apex, at angle `theta`, to the wedge.
double a_la_cuna(const Cuna& w, double rx, double ry) {
    const double rho = std::hypot(rx, ry);
    const double beta = pi / w.n;
    double t = std::fmod(std::atan2(ry, rx) - w.angulo, 2 * pi);
    if (t < 0) t += 2 * pi;
    if (t <= beta) return 0.0;
    const double delta = std::min(t - beta, 2 * pi - t);
    return delta >= pi / 2 ? rho : rho * std::sin(delta);
}

// The 2n - 1 images of a wedge of 180°/n: rotations by 2 pi j / n and reflections across the
// lines at angle + pi j / n, each a product of reflections across the two sides.
void imagenes_cuna(const Cuna& w, double x, double y, std::vector<Imagen>& out) {
    const double rx = x - w.ox;
    const double ry = y - w.oy;
    const double ambos = w.signo_primero * w.signo_segundo;
    double potencia = 1.0;  // (both signs)^j
    for (int j = 0; j < w.n; ++j) {
        if (j > 0) {
            const double giro = 2 * pi * j / w.n;
            const double ix = rx * std::cos(giro) - ry * std::sin(giro);
            const double iy = rx * std::sin(giro) + ry * std::cos(giro);
            out.push_back({w.ox + ix, w.oy + iy, potencia, a_la_cuna(w, ix, iy)});
        }
        const double gamma = w.angulo + pi * j / w.n;
        const double ux = std::cos(gamma);
        const double uy = std::sin(gamma);
        const double p = rx * ux + ry * uy;
        const double ix = 2 * p * ux - rx;
        const double iy = 2 * p * uy - ry;
        out.push_back({w.ox + ix, w.oy + iy, w.signo_primero * potencia, a_la_cuna(w, ix, iy)});
        potencia *= ambos;
    }
}

void imagenes(const Contorno& c, double x, double y, int anillos, std::vector<Imagen>& out) {
    switch (c.disposicion) {
        case Disposicion::ninguna:
            return;
        case Disposicion::linea: {
            const Lado& l = c.lados.front();
            const double s = l.distancia(x, y);
            out.push_back({x - 2 * s * l.nx, y - 2 * s * l.ny, l.signo(), s});
            return;
        }
        case Disposicion::cuna:
            imagenes_cuna(c.cuna, x, y, out);
            return;
        default:
            imagenes_marco(c, x, y, anillos, out);
    }
}

bool es_serie(Disposicion d) {
    return d == Disposicion::franja || d == Disposicion::franja_cerrada ||
           d == Disposicion::rectangulo;
}

// The images in ring r of a frame, and the narrowest width, which parts the rings.
size_t en_anillo(Disposicion d, int r) {
    switch (d) {
        case Disposicion::franja:
            return 2;
        case Disposicion::franja_cerrada:
            return r == 1 ? 5 : 4;
        default:
            return 8 * static_cast<size_t>(r);
    }
}

size_t hasta_anillo(Disposicion d, int anillos) {
    size_t n = 0;
    for (int r = 1; r <= anillos; ++r) n += en_anillo(d, r);
    return n;
}

[[noreturn]] void demasiadas() {
    throw ErrorCalculo(CodigoError::desbordamiento, Causa::tiempo);
}

// What the rings from r on add at most to a leaky aquifer, per unit of k, those of ring j at least
// x_j = (j - 1) L / B leakage factors away: each image within 2 K0(x_j) < 2 sqrt(pi / (2 x_j))
// e^(-x_j), terms whose ratio, at most n(j + 1) / n(j) e^(-L / B), falls as j grows. Infinite
// where that ratio is not below 1.
double cola_semiconfinada(Disposicion d, double L, double B, int r) {
    if (!(B > 0) || r < 2) return infinito;
    const auto termino = [&](int j) {
        const double x = (j - 1) * L / B;
        return static_cast<double>(en_anillo(d, j)) * 2 * std::sqrt(pi / (2 * x)) * std::exp(-x) *
               (1 + 1e-12);
    };
    const double q = static_cast<double>(en_anillo(d, r + 1)) /
                     static_cast<double>(en_anillo(d, r)) * std::exp(-L / B);
    return q < 1 ? termino(r) / (1 - q) : infinito;
}

// The rings a frame's series needs so that those beyond add at most `presupuesto`, with `k` the
// sum of the wells' |rate| / (4 pi T), `c` the least S / (4 T t) of their steps: an image of ring
// r lies at least (r - 1) L from the aquifer, within funcion.cota there. Gives what they add at
// most in `omitido`.
int anillos_necesarios(const Contorno& c, const FuncionPozo& funcion, double escala, double k,
                       double presupuesto, size_t pasos, double& omitido) {
    omitido = 0;
    const Marco& m = c.marco;
    const double L =
        c.disposicion == Disposicion::rectangulo ? std::fmin(m.ancho_xi, m.ancho_eta) : m.ancho_xi;
    if (!(escala > 0) || !std::isfinite(escala) || !(k > 0) || !std::isfinite(k)) return 1;
    const double cl2 = escala * L * L;
    std::vector<double> terminos = {0.0, 0.0};  // ring r's bound at r, from ring 2 on
    double resto = 0;                           // beyond the last one computed
    // The rings the most wells allow, and twice as many to bound what lies beyond them.
    const double caben = static_cast<double>(maximo_virtuales) / static_cast<double>(pasos);
    const double r_max =
        2 * (c.disposicion == Disposicion::rectangulo ? std::sqrt(caben / 4) : caben / 2) + 8;
    for (int r = 2;; ++r) {
        if (r > r_max) demasiadas();
        const double u = cl2 * (r - 1) * (r - 1);
        const double f =
            static_cast<double>(en_anillo(c.disposicion, r)) * funcion.cota(u, (r - 1) * L);
        terminos.push_back(f);
        if (f == 0) break;
        // Past u = 1 each ring's Theis bound is less than the last times q, and q falls: the rest
        // is at most f q / (1 - q). A leaky aquifer's rest is bounded by leakage as well.
        double mas = cola_semiconfinada(c.disposicion, L, funcion.B(), r + 1);
        if (u > 1) {
            const double q = static_cast<double>(en_anillo(c.disposicion, r + 1)) /
                             static_cast<double>(en_anillo(c.disposicion, r)) *
                             std::exp(-cl2 * (2 * r - 1));
            if (q < 1) mas = std::fmin(mas, f * q / (1 - q));
        }
        if (mas * k <= 1e-6 * presupuesto) {
            resto = mas;
            break;
        }
    }
    double cola = resto;  // beyond ring R, from the last R down
    int anillos = static_cast<int>(terminos.size()) - 1;
    for (int r = anillos; r >= 2; --r) {
        if ((cola + terminos[static_cast<size_t>(r)]) * k > presupuesto) break;
        cola += terminos[static_cast<size_t>(r)];
        anillos = r - 1;
    }
    if (hasta_anillo(c.disposicion, anillos) * pasos > maximo_virtuales) demasiadas();
    omitido = cola * k;
    return anillos;
}

// The steps pumping longer than the split time, each a source of the series.
std::vector<FuenteSerie> fuentes_serie(const DatosCalculo& d,
                                       const std::vector<std::vector<Paso>>& todos, double tiempo,
                                       double corte) {
    std::vector<FuenteSerie> f;
    for (size_t i = 0; i < todos.size(); ++i) {
        for (const Paso& p : todos[i]) {
            if (!(tiempo - p.desde > corte) || !p.caudal.ok()) continue;
            f.push_back({i, p.caudal.valor / (d.acuifero.T * cuatro_pi), d.pozos[i].x, d.pozos[i].y,
                         tiempo - p.desde});
        }
    }
    return f;
}

}  // namespace

Virtuales pozos_virtuales(const DatosCalculo& d, double tiempo, double tolerancia) {
    Virtuales v;
    const size_t n = d.pozos.size();
    const Contorno& contorno = d.contorno;
    const double corte = tiempo_de_corte(contorno, d.acuifero);
    // Each step's images at its pumping time, up to the split time.
    const auto escala = [&](double desde) {
        return d.acuifero.S /
               (d.acuifero.T * 4 * std::fmin(tiempo - desde, corte) * segundos_por_dia);
    };
    const double divisor = std::fabs(d.acuifero.T * cuatro_pi);
    const FuncionPozo funcion(d.acuifero);
    std::vector<std::vector<Paso>> todos(n);
    double k_total = 0;
    size_t cuantos = 0;
    for (size_t i = 0; i < n; ++i) {
        todos[i] = pasos(d.pozos[i], i < d.etapas.size() ? &d.etapas[i] : nullptr, tiempo);
        for (const Paso& p : todos[i]) k_total += std::fabs(p.caudal.valor) / divisor;
        cuantos += todos[i].size();
    }
    int anillos = 0;
    const double modos = std::isfinite(corte) ? tolerancia / 50 : 0.0;
    double presupuesto = tolerancia - modos;
    if (es_serie(contorno.disposicion)) {
        anillos = anillos_necesarios(contorno, funcion, escala(0), k_total, presupuesto / 4,
                                     cuantos, v.omitido);
        presupuesto -= v.omitido;
    }
    // Every image with its bound, then those kept, in order.
    std::vector<Imagen> candidatas;
    std::vector<double> cotas;
    std::vector<size_t> fin;  // each step's images end there
    fin.reserve(cuantos);
    SeleccionPorCotas omitidas;
    for (size_t i = 0; i < n; ++i) {
        for (const Paso& p : todos[i]) {
            const size_t desde = candidatas.size();
            imagenes(contorno, d.pozos[i].x, d.pozos[i].y, anillos, candidatas);
            if (candidatas.size() + cuantos > maximo_virtuales) demasiadas();
            const double c = escala(p.desde);
            const double k = std::fabs(p.caudal.valor) / divisor;
            for (size_t j = desde; j < candidatas.size(); ++j) {
                const double dist = candidatas[j].distancia;
                cotas.push_back(std::isfinite(c) && c > 0 ? k * funcion.cota(c * dist * dist, dist)
                                                          : infinito);
                omitidas.contar(cotas.back());
            }
            fin.push_back(candidatas.size());
        }
    }
    v.omitido += omitidas.decidir(presupuesto);
    v.inicio.reserve(n + 1);
    v.pozos.reserve(cuantos + candidatas.size());
    size_t paso = 0;
    for (size_t i = 0; i < n; ++i) {
        v.inicio.push_back(v.pozos.size());
        const Pozo& w = d.pozos[i];
        for (const Paso& p : todos[i]) {
            v.pozos.push_back({i, w.diametro, p.caudal, w.x, w.y, p.desde, corte});
            for (size_t j = paso == 0 ? 0 : fin[paso - 1]; j < fin[paso]; ++j) {
                if (omitidas.elegida(cotas[j])) continue;
                LecturaEstricta q = p.caudal;
                q.valor *= candidatas[j].signo;
                v.pozos.push_back(
                    {i, w.diametro, q, candidatas[j].x, candidatas[j].y, p.desde, corte});
            }
            ++paso;
        }
    }
    v.inicio.push_back(v.pozos.size());
    std::vector<FuenteSerie> fuentes = fuentes_serie(d, todos, tiempo, corte);
    if (!fuentes.empty()) {
        v.serie = std::make_shared<const Autofunciones>(contorno, d.acuifero, corte,
                                                        std::move(fuentes), n, modos);
        v.omitido += v.serie->cota();
    }
    return v;
}

}  // namespace abat
