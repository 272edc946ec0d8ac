#pragma once
// Bourdet's derivative of the drawdown with respect to the logarithm of the time, ds/d ln t: on
// log-log paper it flattens where Theis's curve becomes Cooper–Jacob's line, and shows what the
// drawdown alone hides (a boundary, leakage, the well's storage).

#include <optional>
#include <vector>

namespace abat {

struct PuntoTiempo {
    double t;  // > 0
    double s;
};

// One value a reading, at its time, from readings sorted by time: the slopes to the nearest
// neighbour on each side at least `ciclos` log cycles away, weighted by the other side's distance,
// which smooths the noise of close readings. Near the ends, where one side has no neighbour that
// far, the other side's slope alone; a reading with none on either side (all of a record shorter
// than that, or of one time) gets none.
// The same slopes ds/dx at points sorted by x, a logarithm of time: none where neither side has
// one.
std::vector<std::optional<double>> pendientes_bourdet(const std::vector<double>& x,
                                                      const std::vector<double>& s,
                                                      double ciclos = 0.2);

std::vector<PuntoTiempo> derivada_bourdet(const std::vector<PuntoTiempo>& lecturas,
                                          double ciclos = 0.2);

}  // namespace abat
