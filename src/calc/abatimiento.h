#pragma once
// Drawdown in a confined aquifer by the Theis solution, the wells' effects superposed.

#include <span>

#include "calc/datos_calculo.h"
#include "calc/funcion_pozo.h"
#include "calc/pozos_virtuales.h"
#include "model/acuifero.h"
#include "model/errores.h"
#include "model/unidades.h"

namespace abat {

// u = r^2 S / (4 T t) at r metres after `dias`, evaluated as the drawdown's definition writes it:
// (r r S) / (T 4 t 86400). Unchecked: infinities and NaNs propagate.
inline double u_de(const Acuifero& a, double r, double dias) {
    return (r * r * a.S) / (a.T * 4 * dias * segundos_por_dia);
}

// The drawdown of a source of rate Q [m3/s] at r metres where u is `u`: Q W / (4 pi T). Unchecked.
inline double abatimiento_fuente(const Acuifero& a, const FuncionPozo& w, double Q, double u,
                                 double r) {
    return Q * w.W(u, r) / (a.T * cuatro_pi);
}

// Drawdown in metres that one well causes at (x, y) after the pumping time. Within the well's
// radius (diameter / 2) the distance is that radius. A negative T, S or time is the
// invalid-argument error, as the logarithm of a negative u would be. Raises ErrorCalculo: division
// by zero, invalid operation, overflow, or a pumping rate that is not a number; in the order the
// steps come.
double abatimiento_pozo(const DatosCalculo& datos, const Pozo& pozo, double x, double y);

// Total drawdown in metres of all the wells at (x, y), with their pumping steps and their images
// across the boundaries; 0 without wells. An error names its well.
double abatimiento_punto(const DatosCalculo& datos, double x, double y);

// The same after `tiempo` days instead of the calculation's time.
double abatimiento_pozo(const DatosCalculo& datos, double tiempo, const Pozo& pozo, double x,
                        double y);
double abatimiento_punto(const DatosCalculo& datos, double tiempo, double x, double y);

// Well k's share (from 0) after `tiempo` days: its pumping steps and their images added.
double abatimiento_pozo(const DatosCalculo& datos, double tiempo, size_t k, double x, double y);

// The sum of the drawdowns of the wells of one time (pozos_virtuales) in their order, each
// started at its step, then the series' share; an error names the well it stands for.
double abatimiento_virtuales(const DatosCalculo& datos, double tiempo, const Virtuales& virtuales,
                             double x, double y);
// Well k's share of them (from 0).
double abatimiento_virtuales(const DatosCalculo& datos, double tiempo, const Virtuales& virtuales,
                             size_t k, double x, double y);

}  // namespace abat
