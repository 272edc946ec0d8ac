#pragma once
// A test with rate steps on the paper of the straight-line methods, which suppose one rate.
// Superposition in time turns each reading into the one the first rate, kept constant, would
// have given (Birsoy and Summers): while the pump runs, s·Q₁/Q(t) against the equivalent time
// tₑ = Π (t − tₖ)^(ΔQₖ/Q(t)); in the recovery, s' against Π (t − tₖ)^(ΔQₖ/Q₁), the stop's change
// among them. Without steps these are t and t / t' themselves, and Cooper–Jacob's and the
// recovery's lines give T and S on that paper as they do for one rate.

#include <optional>
#include <vector>

#include "ensayo/datos_ensayo.h"
#include "ensayo/derivada_bourdet.h"

namespace abat {

struct PuntoRecta {
    double x = 0;  // the equivalent time [s] while pumping, the equivalent t / t' after the stop
    double y = 0;  // the drawdown as at the first rate, m
};

// The reading at `t` [s] of drawdown `s` on the paper of Cooper–Jacob's line, or of the
// recovery's; none where that paper has no place for it (the other phase, t = 0, a step of no
// rate).
std::optional<PuntoRecta> en_papel_recta(const DatosEnsayo& d, bool recuperacion, double t,
                                         double s);

// The time [s] since the last change of rate before `t`: the one whose u bounds where the line
// holds.
double desde_el_cambio(const DatosEnsayo& d, double t);

// Bourdet's derivative of the readings while pumping (sorted by time), through the steps: in
// each step with respect to the logarithm of its equivalent time, as at the first rate, so that
// radial flow shows one level Q₁ / 4πT in every step; at each reading's own time. Early in a step
// that lowers the rate, where the equivalent time still runs back, none.
std::vector<PuntoTiempo> derivada_superpuesta(const DatosEnsayo& d,
                                              const std::vector<PuntoTiempo>& lecturas);

}  // namespace abat
