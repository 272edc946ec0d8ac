#include "calc/abatimiento.h"

#include <cmath>

#include "calc/aritmetica.h"
#include "calc/funcion_pozo.h"

namespace abat {
namespace {

constexpr double segundos_por_dia = 86400;

// Inside the well's own radius the Theis solution does not hold: the drawdown there is that at
// the well's face. At the centre (r = 0) this is the radius as the diameter cell gives it.
double distancia_efectiva(double r, double diametro) {
    const double radio = diametro / 2;
    return r < std::fabs(radio) ? radio : r;
}

// The aquifer and the time a drawdown is computed at: the calculation's, or another time's.
struct Acuifero {
    double T;
    double S;
    double tiempo;
};

// A negative transmissivity, storage coefficient or time has no physical meaning: with two of
// them negative u would still come out positive and give a drawdown of the wrong sign.
bool signo_no_valido(const Acuifero& d) {
    return d.T < 0.0 || d.S < 0.0 || d.tiempo < 0.0;
}

double magnitud(double x, double y) {
    return std::fmax(std::fabs(x), std::fabs(y));
}

// A pumping rate that is not a number, or beyond the range of a double, is the well's.
template <class Fuente>
double gasto(const Fuente& p) {
    try {
        return valor_estricto(p.caudal);
    } catch (ErrorCalculo& e) {
        e.causa = Causa::pozo;
        throw;
    }
}

// The well's drawdown step by step, each step checked: finds which step fails and raises its
// error, blamed on the quantity that made it overflow. Gives the same value as the quick path
// when nothing fails.
template <class Fuente>
double abatimiento_comprobado(const Acuifero& d, const Fuente& p, double x, double y) {
    // A distance too large comes from the position further out, the well's or the location's.
    const Causa posicion = magnitud(p.x, p.y) > magnitud(x, y) ? Causa::pozo : Causa::lugar;
    const double dx = comprobado(x - p.x, posicion);
    const double dy = comprobado(y - p.y, posicion);
    const double distancia = std::sqrt(comprobado(dx * dx + dy * dy, posicion));
    const double r = distancia_efectiva(distancia, p.diametro);
    const Causa causa_r = r == distancia ? posicion : Causa::pozo;  // or the well's radius
    const double r2 = comprobado(r * r, causa_r);
    const double numerador =
        comprobado(r2 * d.S, culpable({{r2, causa_r}, {d.S, Causa::acuifero}}));
    const double denominador =
        comprobado(d.T * 4 * d.tiempo * segundos_por_dia,
                   culpable({{d.T, Causa::acuifero}, {d.tiempo, Causa::tiempo}}));
    const double u = dividido(numerador, denominador,
                              culpable({{r2, causa_r},
                                        {d.S, Causa::acuifero},
                                        {d.T, Causa::acuifero, true},
                                        {d.tiempo, Causa::tiempo, true}}));
    if (u <= 0.0 || signo_no_valido(d))
        throw ErrorCalculo(CodigoError::argumento_no_valido);  // ln of 0 or below
    const double W = funcion_pozo(u);  // at most some 745, at the smallest u
    const double QW = comprobado(gasto(p) * W, Causa::pozo);
    const double divisor = comprobado(d.T * cuatro_pi, Causa::acuifero);
    return dividido(QW, divisor, culpable({{QW, Causa::pozo}, {d.T, Causa::acuifero, true}}));
}

// A well, or a step or an image of one (PozoVirtual).
template <class Fuente>
double abatimiento_pozo(const Acuifero& d, const Fuente& p, double x, double y) {
    // Quick path: infinities and NaNs propagate, so one test at the end sees any failed step.
    const double dx = x - p.x;
    const double dy = y - p.y;
    const double r = distancia_efectiva(std::sqrt(dx * dx + dy * dy), p.diametro);
    const double u = (r * r * d.S) / (d.T * 4 * d.tiempo * segundos_por_dia);
    if (std::isfinite(u) && p.caudal.ok() && !signo_no_valido(d)) {  // u = 0 gives no finite s
        const double s = p.caudal.valor * funcion_pozo(u) / (d.T * cuatro_pi);
        if (std::isfinite(s)) return s;
    }
    return abatimiento_comprobado(d, p, x, y);
}

}  // namespace

double abatimiento_pozo(const DatosCalculo& d, const Pozo& p, double x, double y) {
    return abatimiento_pozo(d, d.tiempo, p, x, y);
}

double abatimiento_pozo(const DatosCalculo& d, double tiempo, const Pozo& p, double x, double y) {
    return abatimiento_pozo(Acuifero{d.T, d.S, tiempo}, p, x, y);
}

double abatimiento_punto(const DatosCalculo& d, double x, double y) {
    return abatimiento_punto(d, d.tiempo, x, y);
}

double abatimiento_punto(const DatosCalculo& d, double tiempo, double x, double y) {
    if (!d.solo_pozos()) {
        const Virtuales v = pozos_virtuales(d, tiempo);
        return abatimiento_virtuales(d, tiempo, v.pozos, x, y);
    }
    const Acuifero a{d.T, d.S, tiempo};
    double total = 0.0;
    int k = 0;
    for (const Pozo& pozo : d.pozos) {
        ++k;
        try {
            total = comprobado(total + abatimiento_pozo(a, pozo, x, y), Causa::pozo);
        } catch (ErrorCalculo& e) {
            e.pozo = k;
            throw;
        }
    }
    return total;
}

double abatimiento_pozo(const DatosCalculo& d, double tiempo, size_t k, double x, double y) {
    if (d.solo_pozos()) return abatimiento_pozo(d, tiempo, d.pozos[k], x, y);
    const Virtuales v = pozos_virtuales(d, tiempo);
    return abatimiento_virtuales(
        d, tiempo, std::span(v.pozos).subspan(v.inicio[k], v.inicio[k + 1] - v.inicio[k]), x, y);
}

// Each at its own pumping time: that of its step.
double abatimiento_virtuales(const DatosCalculo& d, double tiempo,
                             std::span<const PozoVirtual> pozos, double x, double y) {
    double total = 0.0;
    for (const PozoVirtual& p : pozos) {
        try {
            const Acuifero a{d.T, d.S, tiempo - p.desde};
            total = comprobado(total + abatimiento_pozo(a, p, x, y), Causa::pozo);
        } catch (ErrorCalculo& e) {
            e.pozo = static_cast<int>(p.pozo) + 1;
            throw;
        }
    }
    return total;
}

}  // namespace abat
