#pragma once
// Theis's solution fitted to a pumping test: T and S of a confined aquifer from the drawdowns of
// one or more observation wells, by unweighted least squares over ln T and ln S (so both stay
// positive) with Levenberg–Marquardt, and how well they are known; or Hantush and Jacob's of a
// leaky aquifer, over ln T, ln S and ln c.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ensayo/datos_ensayo.h"
#include "model/acuifero.h"

namespace abat {

// The drawdown the aquifer's well function gives (Theis's, or Hantush and Jacob's where the
// aquifer has an aquitard) at `r` [m] and `t` [s] since the pump started; after `fin` [s] the
// recovery, by superposing a well that injects from then on.
double abatimiento_theis(const Acuifero& a, double Q, double r, double t,
                         std::optional<double> fin = std::nullopt);

// The same through a history of rates (DatosEnsayo::cambios): each change of rate a well from its
// time on, superposed.
double abatimiento_ensayo(const Acuifero& a, const std::vector<EtapaEnsayo>& cambios, double r,
                          double t);

// That drawdown and its derivatives with respect to ln T, ln S and ln c, as the fits take them.
struct DerivadasAbatimiento {
    double s = 0;
    std::array<double, 3> por{};
};
DerivadasAbatimiento abatimiento_y_derivadas(const Acuifero& a,
                                             const std::vector<EtapaEnsayo>& cambios, double r,
                                             double t);

// The best start in T and S for readings of one history of rates, found without one: for each
// ratio S/T on a wide grid the drawdowns are proportional to 1/T, whose best value is a closed
// form; the ratio of least squares wins. None when no ratio gives a drawdown that grows.
std::optional<Acuifero> inicio_por_perfil(const DatosEnsayo& d);

struct AjusteTheis {
    Acuifero acuifero;
    double rms = 0;      // root mean square of the residuals, m
    size_t medidas = 0;  // readings fitted
    // 95 % intervals as factors: T ×/÷ factorT. From the Jacobian at the minimum and the
    // residuals' variance, which takes them for independent: only indicative.
    double factorT = 1;
    double factorS = 1;
    double correlacion = 0;  // of ln T and ln S
    // Of a leaky aquifer: c ×/÷ factorC, and the correlations of ln c with ln T and ln S.
    double factorC = 1;
    double correlacionTc = 0;
    double correlacionSc = 0;
};

// "Hay 2 medidas en el ajuste: la curva de Theis necesita al menos 3."
std::string medidas_en_ajuste(size_t n, const char* curva, int minimo);

// The start of the fit: Cooper–Jacob's line through each observation well's later readings,
// T and S averaged over the wells in logarithms; none when no well's drawdown grows.
std::optional<Acuifero> inicio_cooper_jacob(const DatosEnsayo& d);

// From `inicio`, or from Cooper–Jacob's line when none is given. Refused, with the reason: fewer
// than three readings, or readings that give no fit or do not tell T from S.
Resuelto<AjusteTheis> ajustar_theis(const DatosEnsayo& d,
                                    std::optional<Acuifero> inicio = std::nullopt);

// Hantush and Jacob's leaky aquifer: the best minimum from `inicio` (when it has a c) and from
// Theis's fit with several leakage factors. Refused also where the readings show no leakage (c
// would grow without bound), which is said, suggesting Theis.
Resuelto<AjusteTheis> ajustar_hantush(const DatosEnsayo& d,
                                      std::optional<Acuifero> inicio = std::nullopt);

}  // namespace abat
