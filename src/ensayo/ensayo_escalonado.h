#pragma once
// A step-drawdown test: the water level in the pumped well itself through steps of its rate,
// fitted to Theis's drawdown at the well's radius, superposed over the steps, plus the well loss
// C·Qⁿ of the flow through its screen and gravel pack: Jacob's n = 2, or Rorabaugh's n fitted
// between 1.5 and 3.5. What the fit says of each step: how much of the drawdown the aquifer
// makes, how much the well.

#include <optional>
#include <string>
#include <vector>

#include "calc/perdidas_pozo.h"
#include "ensayo/ajuste_ensayo.h"
#include "ensayo/datos_ensayo.h"

namespace abat {

// C's unit for an exponent n: "s²/m⁵" for n = 2, "s^2.3/m^5.9" otherwise.
std::string unidad_perdida(double n);

struct EficienciaEtapa {
    double Q = 0;         // m3/s
    double hasta = 0;     // the step's end, s: the next step's start, the stop or the last reading
    double acuifero = 0;  // the aquifer's drawdown at the well's radius then, m
    double pozo = 0;      // the well loss C Qⁿ, m
    double total() const { return acuifero + pozo; }
    double eficiencia() const { return 100 * acuifero / total(); }  // %
};

// Hantush and Bierschenk's specific drawdown: the last reading of each step over its rate,
// against the rate, and the straight line s/Q = a + b Q through them (b is C for n = 2).
struct PuntoEspecifico {
    double Q = 0;    // m3/s
    double s_Q = 0;  // s/m2
};
struct Especifico {
    std::vector<PuntoEspecifico> puntos;
    std::optional<double> a;  // s/m2; none with fewer than two rates
    std::optional<double> b;  // s2/m5
};
Especifico especifico(const DatosEnsayo& d);

struct AjusteEscalonado {
    AjusteTheis
        ajuste;    // T, S (an effective S: it holds the skin), the error, T's and S's intervals
    double C = 0;  // sⁿ/m³ⁿ⁻¹
    double n = 2;
    bool n_ajustado = false;
    double factorC = 1;                   // C ×/÷ this at 95 %, indicative as the others
    double intervaloN = 0;                // n ± this
    std::vector<EficienciaEtapa> etapas;  // one a rate, in order
    Especifico especifico;
};

// The readings must be of one well, the pumped one (their distance is its radius), through at
// least two rates (three when n is fitted) that differ. Refused otherwise, and where the readings
// give no fit or no well loss, saying which.
Resuelto<AjusteEscalonado> ajustar_escalonado(const DatosEnsayo& d, bool ajustar_n);

// The fitted drawdown in the well at `t` [s]: the aquifer's through the steps, the well loss at
// the rate then.
double abatimiento_escalonado(const AjusteEscalonado& f, const DatosEnsayo& d, double t);

}  // namespace abat
