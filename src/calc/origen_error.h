#pragma once
// Which input window holds the value that made a calculation fail, so the user is led to it.

#include "calc/datos_calculo.h"
#include "model/errores.h"

namespace abat {

enum class Origen { acuifero, pozos, puntos };

// The window of the value the error points at: a pumping rate that is not a number, a well's
// zero diameter under a point, or a well's value that overflowed: the wells; T or S: the
// aquifer; the time, or a point's coordinates that overflowed: the points. An overflow over the
// chart's extent is blamed on the table with the largest coordinate. When nothing singles one
// out: the aquifer.
Origen origen_del_error(const ErrorCalculo& error, const DatosCalculo& datos);

}  // namespace abat
