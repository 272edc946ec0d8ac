#include "calc/fuentes_lejanas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "calc/funcion_pozo.h"
#include "calc/hilos.h"
#include "calc/interpolacion_chebyshev.h"

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

// W(s) < e^-s ln(1 + 1/s) for s > 0; infinite for s <= 0, where the ellipse reaches Re u <= 0.
double cota_w(double s) {
    return s > 0 ? std::exp(-s) * std::log1p(1 / s) : infinito;
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

// A bound's power of two, from 0 (a bound of 0) up: the sources are taken by powers, in linear
// time, where sorting them took longer than the rest of the choice for a field of many images.
int potencia(double cota) {
    return cota > 0 ? std::ilogb(cota) + 1075 : 0;  // 1 to 2098 for positive finite doubles
}
constexpr size_t potencias = 2100;

// The sources with the smallest bounds, power by power, while the bounds add up to at most
// `tolerancia`: those of a power below `hasta`.
struct Seleccion {
    int hasta = 0;
    size_t cuantas = 0;
    double suma = 0.0;
};

Seleccion seleccionar(const std::vector<double>& cotas, double tolerancia) {
    std::vector<double> suma(potencias, 0.0);
    std::vector<size_t> cuenta(potencias, 0);
    for (const double c : cotas) {
        if (!(c <= tolerancia)) continue;
        suma[potencia(c)] += c;
        ++cuenta[potencia(c)];
    }
    Seleccion s;
    for (; s.hasta < static_cast<int>(potencias); ++s.hasta) {
        if (s.suma + suma[s.hasta] > tolerancia) break;
        s.suma += suma[s.hasta];
        s.cuantas += cuenta[s.hasta];
    }
    return s;
}

struct Maximos {
    std::array<double, elipses.size()> x, y;
};

// Infinite where the box reaches u <= u_cruce: there W is the series, whose switch to E1 is not
// analytic (a kink of some 1e-6 in the slope), and the bounds hold for E1 alone.
Maximos maximos_fuente(double x, double y, double k, double c, const Caja& caja) {
    const double dx = distancia(x, caja.x0, caja.x1);
    const double dy = distancia(y, caja.y0, caja.y1);
    if (!(c * (dx * dx + dy * dy) > u_cruce * (1 + 1e-9))) {
        Maximos m{};
        m.x.fill(infinito);
        m.y.fill(infinito);
        return m;
    }
    return {maximos(x, caja.x0, caja.x1, dy, k, c), maximos(y, caja.y0, caja.y1, dx, k, c)};
}

}  // namespace

double cota_interpolacion(double x, double y, double k, double c, const Caja& caja, int n) {
    const Maximos m = maximos_fuente(x, y, k, c, caja);
    const auto f = factores(n);
    return cota_tensor(mejor(m.x, f), mejor(m.y, f), lebesgue_chebyshev(n));
}

Reparto repartir_fuentes(const PozosVector& fuentes, double c_comun, const Caja& caja, size_t nodos,
                         double tolerancia) {
    const size_t n = fuentes.n;
    if (!(caja.x1 > caja.x0 && caja.y1 > caja.y0) || n == 0) return {};
    std::vector<Maximos> m(n);
    // Some 26 exponentials and logarithms a source, each worth some ten wells at a node.
    en_paralelo(n, 64, hilos_para(static_cast<double>(n) * 260), [&](size_t desde, size_t hasta) {
        for (size_t i = desde; i < hasta; ++i) {
            const double c = fuentes.c.empty() ? c_comun : fuentes.c[i];
            m[i] = maximos_fuente(fuentes.x[i], fuentes.y[i], fuentes.k[i], c, caja);
            // Nearer than its radius, a well's drawdown is that at the radius: not analytic.
            const double dx = distancia(fuentes.x[i], caja.x0, caja.x1);
            const double dy = distancia(fuentes.y[i], caja.y0, caja.y1);
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
        for (size_t i = 0; i < n; ++i)
            cotas[i] = cota_tensor(mejor(m[i].x, f), mejor(m[i].y, f), l);
        const Seleccion s = seleccionar(cotas, tolerancia);
        const auto lejanas = static_cast<double>(s.cuantas);
        const double coste = (static_cast<double>(n) - lejanas) * static_cast<double>(nodos) +
                             lejanas * (g + 1.0) * (g + 1.0) +
                             coste_interpolacion * (g + 1.0) * static_cast<double>(nodos);
        if (s.cuantas == 0 || coste >= menor_coste) continue;
        menor_coste = coste;
        elegido.grado = g;
        elegido.cota = s.suma;
        elegido.lejanas.assign(n, 0);
        for (size_t i = 0; i < n; ++i)
            elegido.lejanas[i] = cotas[i] <= tolerancia && potencia(cotas[i]) < s.hasta ? 1 : 0;
    }
    return elegido;
}

PozosVector elegir_fuentes(const PozosVector& fuentes, const std::vector<char>& marcas,
                           bool cuales) {
    PozosVector p;
    const bool propias = !fuentes.c.empty();
    for (size_t i = 0; i < fuentes.n; ++i) {
        if ((marcas[i] != 0) != cuales) continue;
        p.x.push_back(fuentes.x[i]);
        p.y.push_back(fuentes.y[i]);
        p.r2_min.push_back(fuentes.r2_min[i]);
        p.k.push_back(fuentes.k[i]);
        if (propias) {
            p.c.push_back(fuentes.c[i]);
            p.u_min.push_back(fuentes.u_min[i]);
            p.u_max.push_back(fuentes.u_max[i]);
        }
    }
    p.n = p.x.size();
    const size_t relleno = (p.n + relleno_pozos - 1) / relleno_pozos * relleno_pozos;
    p.x.resize(relleno, 0.0);  // padding wells of no rate, as the loops expect
    p.y.resize(relleno, 0.0);
    p.r2_min.resize(relleno, 1.0);
    p.k.resize(relleno, 0.0);
    if (propias) {
        p.c.resize(relleno, 1.0);
        p.u_min.resize(relleno, 0.0);
        p.u_max.resize(relleno, 1.0);
    }
    return p;
}

}  // namespace abat
