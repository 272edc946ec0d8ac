#pragma once
// A study and the windows that hold it: the texts of the aquifer's boxes, the wells' and points'
// cells and the time, as they are.

#include "app/ventanas.h"
#include "estudio/estudio.h"

namespace abat {

// Whether an open cell editor stores its text and closes, or stays open under the user's typing.
enum class Editores { cerrar, dejar_abiertos };

// What the windows hold, an open cell editor's text included.
Estudio estudio_de(Ventanas& v, Editores editores = Editores::cerrar);

// Puts the study's texts in the windows, in place of what they held.
void llenar_ventanas(Ventanas& v, const Estudio& estudio);

// The first window of the walk whose data are missing (an empty aquifer box, no well, no point
// or no time), as its "Siguiente" checks them; null when none.
QWidget* ventana_incompleta(Ventanas& v);

}  // namespace abat
