#include "calc/fuentes_lejanas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "calc/funcion_pozo.h"
#include "calc/hilos.h"
#include "calc/interpolacion_chebyshev.h"
#include "calc/seleccion_cotas.h"

namespace abat {
namespace {

constexpr double infinito = std::numeric_limits<double>::infinity();

// The ellipses tried for each source, and the degrees for the map.
constexpr std::array<double, 13> elipses = {1.05, 1.1, 1.2, 1.35, 1.5,  1.75, 2.0,
                                            2.5,  3.0, 4.0, 6.0,  10.0, 20.0};
constexpr std::array<int, 6> grados = {16, 24, 32, 48, 64, 96};

// What a node of the interpolation costs beside a source's evaluation at a node.
constexpr double coste_interpolacion = 0.1;

double distancia(double v, double a, double b) {
    return v < a ? a - v : (v > b ? v - b : 0.0);
}

// |k W| at most on each ellipse of the span [a, b] (in the direction interpolated) for a source
// at `v` along it and at `otra` from the box across it.
std::array<double, elipses.size()> maximos(double v, double a, double b, double otra, double k,
                                           double c) {
    std::array<double, elipses.size()> m{};
    const double centro = (a + b) / 2;
    const double mitad = (b - a) / 2;
    for (size_t e = 0; e < elipses.size(); ++e) {
        const double rho = elipses[e];
        const double eje = mitad * (rho + 1 / rho) / 2;
        const double semi = mitad * (rho - 1 / rho) / 2;
        const double d = distancia(v, centro - eje, centro + eje);
        m[e] = std::fabs(k) * cota_w(c * (d * d + otra * otra - semi * semi));
    }
    return m;
}

// 4 rho^-n / (rho - 1) for each ellipse.
std::array<double, elipses.size()> factores(int n) {
    std::array<double, elipses.size()> f{};
    for (size_t e = 0; e < elipses.size(); ++e)
        f[e] = 4 * std::pow(elipses[e], -n) / (elipses[e] - 1);
    return f;
}

double mejor(const std::array<double, elipses.size()>& m,
             const std::array<double, elipses.size()>& f) {
    double b = infinito;
    for (size_t e = 0; e < elipses.size(); ++e) b = std::min(b, m[e] * f[e]);
    return b;
}

// The tensor interpolant's bound from the two directions' bounds, l the Lebesgue constant.
double cota_tensor(double en_x, double en_y, double l) {
    return std::min(en_x + l * en_y, en_y + l * en_x);
}

struct Maximos {
    std::array<double, elipses.size()> x, y;
    // What the computed W may differ from the analytic function by anywhere over the box:
    // interpolated, it is amplified by the Lebesgue constant along each direction.
    double aproximacion = 0;
};

// The relative error of the leaky aquifer's W as computed (funcion_hantush.h), which the
// interpolation takes for a function that is not analytic.
constexpr double error_hantush = 1e-11;

// Theis's W: infinite where the box reaches u <= u_cruce: there W is the series, whose switch to
// E1 is not analytic (a kink of some 1e-6 in the slope), and the bounds hold for E1 alone. The
// leaky aquifer's: bounded by E1(Re u) too, and computed to error_hantush.
Maximos maximos_fuente(double x, double y, double k, double c, const Caja& caja,
                       bool semiconfinado) {
    const double dx = distancia(x, caja.xmin, caja.xmax);
    const double dy = distancia(y, caja.ymin, caja.ymax);
    const double u = c * (dx * dx + dy * dy);
    if (!(u > (semiconfinado ? 0.0 : u_cruce * (1 + 1e-9)))) {
        Maximos m{};
        m.x.fill(infinito);
        m.y.fill(infinito);
        return m;
    }
    return {maximos(x, caja.xmin, caja.xmax, dy, k, c), maximos(y, caja.ymin, caja.ymax, dx, k, c),
            semiconfinado ? error_hantush * std::fabs(k) * cota_w(u) : 0.0};
}

}  // namespace

double cota_interpolacion(double x, double y, double k, double c, const Caja& caja, int n) {
    const Maximos m = maximos_fuente(x, y, k, c, caja, false);
    const auto f = factores(n);
    return cota_tensor(mejor(m.x, f), mejor(m.y, f), lebesgue_chebyshev(n));
}

Reparto repartir_fuentes(const PozosVector& fuentes, double c_comun, const Caja& caja, size_t nodos,
                         const FuncionPozo& funcion, double tolerancia) {
    const size_t n = fuentes.n;
    if (!(caja.ancho() > 0 && caja.alto() > 0) || n == 0) return {};
    std::vector<Maximos> m(n);
    // Some 26 exponentials and logarithms a source, each worth some ten wells at a node.
    en_paralelo(n, 64, hilos_para(static_cast<double>(n) * 260), [&](size_t desde, size_t hasta) {
        for (size_t i = desde; i < hasta; ++i) {
            const double c = fuentes.c.empty() ? c_comun : fuentes.c[i];
            m[i] = maximos_fuente(fuentes.x[i], fuentes.y[i], fuentes.k[i], c, caja,
                                  funcion.semiconfinado());
            // Nearer than its radius, a well's drawdown is that at the radius: not analytic.
            const double dx = distancia(fuentes.x[i], caja.xmin, caja.xmax);
            const double dy = distancia(fuentes.y[i], caja.ymin, caja.ymax);
            if (!(fuentes.r2_min[i] < dx * dx + dy * dy)) m[i].x.fill(infinito);
        }
    });
    const auto factores_mayor = factores(grados.back());
    const bool candidatas =  // sources some degree may interpolate
        std::any_of(m.begin(), m.end(), [&](const Maximos& e) {
            return std::isfinite(mejor(e.x, factores_mayor) + mejor(e.y, factores_mayor));
        });
    if (!candidatas) return {};  // a map over the whole field, say
    const double todas = static_cast<double>(n) * static_cast<double>(nodos);
    double menor_coste = 0.8 * todas;  // a split must save a fifth at least
    Reparto elegido;
    std::vector<double> cotas(n);
    for (const int g : grados) {
        const auto f = factores(g);
        const double l = lebesgue_chebyshev(g);
        SeleccionPorCotas lejanas;
        for (size_t i = 0; i < n; ++i) {
            cotas[i] = cota_tensor(mejor(m[i].x, f), mejor(m[i].y, f), l) +
                       (l * l + 1) * m[i].aproximacion;
            lejanas.contar(cotas[i]);
        }
        const double suma = lejanas.decidir(tolerancia);
        const auto cuantas = static_cast<double>(lejanas.elegidas());
        const double coste = (static_cast<double>(n) - cuantas) * static_cast<double>(nodos) +
                             cuantas * (g + 1.0) * (g + 1.0) +
                             coste_interpolacion * (g + 1.0) * static_cast<double>(nodos);
        if (lejanas.elegidas() == 0 || coste >= menor_coste) continue;
        menor_coste = coste;
        elegido.grado = g;
        elegido.cota = suma;
        elegido.lejanas.assign(n, 0);
        for (size_t i = 0; i < n; ++i) elegido.lejanas[i] = lejanas.elegida(cotas[i]) ? 1 : 0;
    }
    return elegido;
}

PozosVector elegir_fuentes(const PozosVector& fuentes, const std::vector<char>& marcas,
                           bool cuales) {
    PozosVector p;
    const bool propias = !fuentes.c.empty();
    for (size_t i = 0; i < fuentes.n; ++i) {
        if ((marcas[i] != 0) != cuales) continue;
        if (propias) {
            p.agregar(fuentes.x[i], fuentes.y[i], fuentes.r2_min[i], fuentes.k[i],
                      {fuentes.c[i], fuentes.u_min[i], fuentes.u_max[i]});
        } else {
            p.agregar(fuentes.x[i], fuentes.y[i], fuentes.r2_min[i], fuentes.k[i]);
        }
        if (!fuentes.grupo.empty()) p.grupo.push_back(fuentes.grupo[i]);
    }
    p.rellenar();
    return p;
}

}  // namespace abat
