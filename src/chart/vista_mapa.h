#pragma once
// Where the drawdown map looks: an extent in metres drawn at one scale across and up, and how the
// wheel and a drag move it.

#include "chart/dibujo_mapa.h"
#include "model/registros.h"
#include "model/rejilla.h"

#include <vector>

namespace abat {

// The extent widened across or up, about its centre, so that on a box of `ancho` x `alto` pixels
// a metre is as long across as up. An extent of no width or height takes the other's scale; none
// at all, one metre.
Caja a_igual_escala(Caja vista, int ancho, int alto);

// The nodes the map is computed at, in square cells from the extent's lower left corner: one
// every 2.5 pixels of the box, at least 200 along the shorter side; the last ones less than a
// step from the upper and right edges.
Rejilla rejilla_de_vista(const Caja& vista, int ancho, int alto);

// A view widened to hold the two points each boundary was given by, with a margin round those it
// did not hold, so that a line does not run along its edge.
Caja con_limites(const Caja& vista, const std::vector<Lado>& limites);

// Scaled by `factor` (below 1: closer) about (x, y), which stays where it is on the screen.
Caja acercar(const Caja& vista, double factor, double x, double y);
// Moved by (dx, dy) metres.
Caja desplazar(const Caja& vista, double dx, double dy);

}  // namespace abat
