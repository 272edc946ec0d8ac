#pragma once
// Where the drawdown map looks: an extent in metres drawn at one scale across and up, and how the
// wheel and a drag move it.

#include "chart/dibujo_mapa.h"
#include "model/rejilla.h"

namespace abat {

// The extent widened across or up, about its centre, so that on a box of `ancho` x `alto` pixels
// a metre is as long across as up. An extent of no width or height takes the other's scale; none
// at all, one metre.
VistaMapa a_igual_escala(VistaMapa vista, int ancho, int alto);

// The nodes the map is computed at, in square cells from the extent's lower left corner: one
// every 2.5 pixels of the box, at least 200 along the shorter side; the last ones less than a
// step from the upper and right edges.
Rejilla rejilla_de_vista(const VistaMapa& vista, int ancho, int alto);

// Scaled by `factor` (below 1: closer) about (x, y), which stays where it is on the screen.
VistaMapa acercar(const VistaMapa& vista, double factor, double x, double y);
// Moved by (dx, dy) metres.
VistaMapa desplazar(const VistaMapa& vista, double dx, double dy);

}  // namespace abat
