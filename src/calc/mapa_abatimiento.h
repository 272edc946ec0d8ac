#pragma once
// The drawdown map: the total drawdown at every node of a regular grid, computed again for each
// time the user picks.

#include "calc/campo_pozos.h"
#include "model/errores.h"
#include "model/rejilla.h"

namespace abat {

// Fills mapa.valores with the total drawdown at each node of `mapa` after `tiempo` days (row
// after row from the lowest y); NaN beyond the aquifer's boundaries. Raises the error of the first
// failing node in that order, naming its well and the node; `mapa` then stays as it was. The
// sources far from the grid may be interpolated, within tolerancia_lejanas (fuentes_lejanas.h).
void abatimiento_rejilla(const CampoPozos& campo, double tiempo, Rejilla& mapa);

}  // namespace abat
