#include "calc/abatimiento.h"

#include <cmath>

#include "calc/aritmetica.h"

namespace abat {
namespace {

// Inside the well's own radius the Theis solution does not hold: the drawdown there is that at
// the well's face. At the centre (r = 0) this is the radius as the diameter cell gives it.
double distancia_efectiva(double r, double diametro) {
    const double radio = diametro / 2;
    return r < std::fabs(radio) ? radio : r;
}

// The aquifer and the time a drawdown is computed at: the calculation's, or another time's.
struct Momento {
    Acuifero acuifero;
    FuncionPozo funcion;
    double tiempo;  // days
};

Momento momento(const DatosCalculo& d, double tiempo) {
    return {d.acuifero, FuncionPozo(d.acuifero), tiempo};
}

// A negative transmissivity, storage coefficient or time has no physical meaning: with two of
// them negative u would still come out positive and give a drawdown of the wrong sign.
bool signo_no_valido(const Momento& m) {
    return m.acuifero.T < 0.0 || m.acuifero.S < 0.0 || m.tiempo < 0.0;
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
double abatimiento_comprobado(const Momento& m, const Fuente& p, double x, double y) {
    const Acuifero& a = m.acuifero;
    // A distance too large comes from the position further out, the well's or the location's.
    const Causa posicion = magnitud(p.x, p.y) > magnitud(x, y) ? Causa::pozo : Causa::lugar;
    const double dx = comprobado(x - p.x, posicion);
    const double dy = comprobado(y - p.y, posicion);
    const double distancia = std::sqrt(comprobado(dx * dx + dy * dy, posicion));
    const double r = distancia_efectiva(distancia, p.diametro);
    const Causa causa_r = r == distancia ? posicion : Causa::pozo;  // or the well's radius
    const double r2 = comprobado(r * r, causa_r);
    const double numerador =
        comprobado(r2 * a.S, culpable({{r2, causa_r}, {a.S, Causa::acuifero}}));
    const double denominador =
        comprobado(a.T * 4 * m.tiempo * segundos_por_dia,
                   culpable({{a.T, Causa::acuifero}, {m.tiempo, Causa::tiempo}}));
    const double u = dividido(numerador, denominador,
                              culpable({{r2, causa_r},
                                        {a.S, Causa::acuifero},
                                        {a.T, Causa::acuifero, true},
                                        {m.tiempo, Causa::tiempo, true}}));
    if (u <= 0.0 || signo_no_valido(m))
        throw ErrorCalculo(CodigoError::argumento_no_valido);  // ln of 0 or below
    const double W = m.funcion.W(u, r);  // at most some 745, at the smallest u
    const double QW = comprobado(gasto(p) * W, Causa::pozo);
    const double divisor = comprobado(a.T * cuatro_pi, Causa::acuifero);
    return dividido(QW, divisor, culpable({{QW, Causa::pozo}, {a.T, Causa::acuifero, true}}));
}

// A well, or a step or an image of one (PozoVirtual).
template <class Fuente>
double abatimiento_pozo(const Momento& m, const Fuente& p, double x, double y) {
    // Quick path: infinities and NaNs propagate, so one test at the end sees any failed step.
    const double dx = x - p.x;
    const double dy = y - p.y;
    const double r = distancia_efectiva(std::sqrt(dx * dx + dy * dy), p.diametro);
    const double u = u_de(m.acuifero, r, m.tiempo);
    if (std::isfinite(u) && p.caudal.ok() && !signo_no_valido(m)) {  // u = 0 gives no finite s
        const double s = abatimiento_fuente(m.acuifero, m.funcion, p.caudal.valor, u, r);
        if (std::isfinite(s)) return s;
    }
    return abatimiento_comprobado(m, p, x, y);
}

// W(u) at r metres after `largo` days less after `corto`, the series' increment of a source there:
// where u vanishes, ln(largo / corto), the series' logarithms alone; in a leaky aquifer the
// integral of e^(-D tau / B^2) / tau between them, E1(corto D / B^2) - E1(largo D / B^2).
double incremento_w(const Momento& m, double r, double largo, double corto) {
    const double u_largo = u_de(m.acuifero, r, largo);
    if (!(u_largo > 1e-290)) {
        if (!m.funcion.semiconfinado()) return std::log(largo / corto);
        const double fuga =
            m.acuifero.T / m.acuifero.S / (m.funcion.B() * m.funcion.B()) * segundos_por_dia;
        return E1(corto * fuga) - E1(largo * fuga);
    }
    return m.funcion.W(u_largo, r) - m.funcion.W(u_de(m.acuifero, r, corto), r);
}

// A source summed up to its split time and continued by the series: within its radius the series
// holds its increment at the place, where the drawdown is the well face's, at the radius.
double en_el_radio(const Momento& m, const PozoVirtual& p, double bombeo, double x, double y) {
    const double r = std::hypot(x - p.x, y - p.y);
    const double radio = p.diametro / 2;
    if (!(r < std::fabs(radio))) return 0.0;
    const double dw =
        incremento_w(m, radio, bombeo, p.duracion) - incremento_w(m, r, bombeo, p.duracion);
    return comprobado(gasto(p) * dw / (m.acuifero.T * cuatro_pi), Causa::pozo);
}

// Each at its own pumping time, that of its step, up to its split time.
double sumar_virtuales(const DatosCalculo& d, double tiempo, std::span<const PozoVirtual> pozos,
                       double x, double y) {
    double total = 0.0;
    for (const PozoVirtual& p : pozos) {
        try {
            const double bombeo = tiempo - p.desde;
            const Momento m = momento(d, std::fmin(bombeo, p.duracion));
            double s = abatimiento_pozo(m, p, x, y);
            if (bombeo > p.duracion) s += en_el_radio(m, p, bombeo, x, y);
            total = comprobado(total + s, Causa::pozo);
        } catch (ErrorCalculo& e) {
            e.pozo = static_cast<int>(p.pozo) + 1;
            throw;
        }
    }
    return total;
}

}  // namespace

double abatimiento_pozo(const DatosCalculo& d, const Pozo& p, double x, double y) {
    return abatimiento_pozo(d, d.tiempo, p, x, y);
}

double abatimiento_pozo(const DatosCalculo& d, double tiempo, const Pozo& p, double x, double y) {
    return abatimiento_pozo(momento(d, tiempo), p, x, y);
}

double abatimiento_punto(const DatosCalculo& d, double x, double y) {
    return abatimiento_punto(d, d.tiempo, x, y);
}

double abatimiento_punto(const DatosCalculo& d, double tiempo, double x, double y) {
    if (!d.solo_pozos()) {
        return abatimiento_virtuales(d, tiempo, pozos_virtuales(d, tiempo), x, y);
    }
    const Momento a = momento(d, tiempo);
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
    return abatimiento_virtuales(d, tiempo, pozos_virtuales(d, tiempo), k, x, y);
}

double abatimiento_virtuales(const DatosCalculo& d, double tiempo, const Virtuales& v, double x,
                             double y) {
    const double imagenes = sumar_virtuales(d, tiempo, v.pozos, x, y);
    if (!v.serie) return imagenes;
    const double total = imagenes + v.serie->total_comprobado(x, y);
    if (std::isfinite(total)) return total;
    ErrorCalculo e(CodigoError::desbordamiento, Causa::pozo);
    e.pozo = static_cast<int>(d.pozos.size());
    throw e;
}

double abatimiento_virtuales(const DatosCalculo& d, double tiempo, const Virtuales& v, size_t k,
                             double x, double y) {
    const double imagenes = sumar_virtuales(
        d, tiempo, std::span(v.pozos).subspan(v.inicio[k], v.inicio[k + 1] - v.inicio[k]), x, y);
    if (!v.serie) return imagenes;
    const double total = imagenes + v.serie->parte_comprobada(k, x, y);
    if (std::isfinite(total)) return total;
    ErrorCalculo e(CodigoError::desbordamiento, Causa::pozo);
    e.pozo = static_cast<int>(k) + 1;
    throw e;
}

}  // namespace abat
