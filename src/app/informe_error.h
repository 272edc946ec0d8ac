#pragma once
// How an error of the calculation reaches the user.

#include <QString>

#include "adaptadores/dialogos.h"
#include "forms/texto_error.h"
#include "model/errores.h"

namespace abat {

void informar_error(Dialogos& dialogos, const ErrorCalculo& error);
// A failure of the calculation that is not one of its run-time errors.
void informar_error(Dialogos& dialogos, const QString& descripcion);

}  // namespace abat
