#pragma once
// The aquitard (its window), the aquifer's boundaries (their window) and the wells' pumping steps
// (beside the wells table) as a calculation takes them: read and checked against the wells and
// points it reads.

#include <QWidget>

#include "app/ventanas.h"
#include "calc/datos_calculo.h"
#include "model/rechazo.h"

namespace abat {

// Puts the windows' aquitard, boundaries and steps into `datos`, whose wells and points they are
// checked against; or says why not, and `ventana` is then the window that holds what to mend
// (`datos` keeps none of them).
Resuelto<void> completar_datos(Ventanas& v, DatosCalculo& datos, QWidget*& ventana);

// Whether the windows hold any aquitard, boundary or step at all: without, nothing is to check.
bool hay_contorno(Ventanas& v);

}  // namespace abat
