#pragma once
// The straight-line methods of a pumping test, each observation well on its own: Cooper–Jacob's
// line through the drawdowns against the logarithm of the time, and Theis's recovery line
// through the residual drawdowns against the logarithm of t / t'; through rate steps on the
// paper of their superposition.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ensayo/ajuste_ensayo.h"
#include "ensayo/datos_ensayo.h"
#include "ensayo/recta_semilog.h"

namespace abat {

// Times since the pump started, s; a bound not given does not bound.
struct VentanaTiempos {
    std::optional<double> desde;
    std::optional<double> hasta;
    bool dada() const { return desde || hasta; }
};

// Where the line holds: u = r²S / 4Tt at most this, t since the last change of rate (t' in the
// recovery).
inline constexpr double u_recta = 0.05;

struct RectaPiezometro {
    size_t piezometro = 0;
    std::vector<size_t> medidas;  // its readings through which the line is drawn
    // The drawdown against log10 of t [s] (Cooper–Jacob) or of t / t' (the recovery); with
    // steps, as at the first rate against the equivalent time.
    Recta recta;
    Acuifero acuifero;  // S only from Cooper–Jacob; 0 from the recovery, which cannot tell it
    double desde = 0;   // t [s] of its first and last readings in the line
    double hasta = 0;
};

struct AjusteRectas {
    std::vector<RectaPiezometro> rectas;
    // The observation wells without a line, and why.
    std::vector<std::pair<size_t, std::string>> sin_recta;
    // T (and S) of the wells' lines, averaged in logarithms.
    Acuifero acuifero;
    double rms = 0;      // of the readings about their lines, m
    size_t medidas = 0;  // readings in the lines
    // The Theis fit whose T and S chose the readings where u ≤ u_recta; none when a window of
    // times did.
    std::optional<AjusteTheis> seleccion;
};

// Cooper–Jacob's T and S from a line against log10 of t [s] at `r` [m]: T from the drawdown per
// log cycle, S from the time at which the line crosses zero drawdown. None when the drawdown does
// not grow.
std::optional<Acuifero> acuifero_de_la_recta(const Recta& recta, double Q, double r);

// Cooper–Jacob: T = 2.303 Q / (4π Δs), S = 2.25 T t0 / r², from the readings while the pump runs
// where u ≤ 0.05 by the Theis fit's T and S, or in the window given. Refused when no well has
// two readings there, or no well's drawdown grows.
Resuelto<AjusteRectas> cooper_jacob(const DatosEnsayo& d, const VentanaTiempos& ventana = {});

// Theis's recovery: the residual drawdowns after the stop, T = 2.303 Q / (4π Δs') from the
// drawdown per log cycle of t / t'; those where u' ≤ 0.05 by the Theis fit, or in the window.
// Refused without a stop, or without two readings of the recovery in a well.
Resuelto<AjusteRectas> recuperacion_theis(const DatosEnsayo& d, const VentanaTiempos& ventana = {});

}  // namespace abat
