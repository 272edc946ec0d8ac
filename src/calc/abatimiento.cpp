#include "abatimiento.h"

#include <cmath>

#include "aritmetica.h"
#include "funcion_pozo.h"

namespace abat {
namespace {

constexpr double segundos_por_dia = 86400;

// Inside the well's own radius the Theis solution does not hold: the drawdown there is that at
// the well's face. At the centre (r = 0) this is the radius as the diameter cell gives it.
double distancia_efectiva(double r, double diametro) {
    const double radio = diametro / 2;
    return r < std::fabs(radio) ? radio : r;
}

// A negative transmissivity, storage coefficient or time has no physical meaning: with two of
// them negative u would still come out positive and give a drawdown of the wrong sign.
bool signo_no_valido(const DatosCalculo& d) {
    return d.T < 0.0 || d.S < 0.0 || d.tiempo < 0.0;
}

// The well's drawdown step by step, each step checked: finds which step fails and raises its
// error. Gives the same value as the quick path when nothing fails.
double abatimiento_comprobado(const DatosCalculo& d, const Pozo& p, double x, double y) {
    const double dx = comprobado(comprobado(x) - comprobado(p.x));
    const double dy = comprobado(comprobado(y) - comprobado(p.y));
    const double r = distancia_efectiva(
        std::sqrt(comprobado(comprobado(dx * dx) + comprobado(dy * dy))), comprobado(p.diametro));
    const double t = comprobado(d.tiempo);
    const double numerador = comprobado(comprobado(r * r) * d.S);
    const double denominador = comprobado(comprobado(comprobado(d.T * 4) * t) * segundos_por_dia);
    const double u = dividido(numerador, denominador);
    if (u <= 0.0 || signo_no_valido(d))
        throw ErrorCalculo(CodigoError::argumento_no_valido);  // ln of 0 or below
    const double W = comprobado(funcion_pozo(u));
    const double Q = valor_estricto(p.gasto);
    return dividido(comprobado(Q * W), comprobado(d.T * cuatro_pi));
}

}  // namespace

double abatimiento_pozo(const DatosCalculo& d, const Pozo& p, double x, double y) {
    // Quick path: infinities and NaNs propagate, so one test at the end sees any failed step.
    const double dx = x - p.x;
    const double dy = y - p.y;
    const double r = distancia_efectiva(std::sqrt(dx * dx + dy * dy), p.diametro);
    const double u = (r * r * d.S) / (d.T * 4 * d.tiempo * segundos_por_dia);
    if (std::isfinite(u) && u > 0.0 && p.gasto.ok() && !signo_no_valido(d)) {
        const double s = p.gasto.valor * funcion_pozo(u) / (d.T * cuatro_pi);
        if (std::isfinite(s)) return s;
    }
    return abatimiento_comprobado(d, p, x, y);
}

double abatimiento_punto(const DatosCalculo& d, double x, double y) {
    double total = 0.0;
    int k = 0;
    for (const Pozo& pozo : d.pozos) {
        ++k;
        try {
            total = comprobado(total + abatimiento_pozo(d, pozo, x, y));
        } catch (ErrorCalculo& e) {
            e.pozo = k;
            throw;
        }
    }
    return total;
}

}  // namespace abat
