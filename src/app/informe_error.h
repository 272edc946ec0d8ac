#pragma once
// How an error of the calculation reaches the user.

#include <QString>

#include "dialogos.h"
#include "errores.h"
#include "texto_error.h"

namespace abat {

void informar_error(Dialogos& dialogos, const ErrorCalculo& error);
// A failure of the calculation that is not one of its run-time errors.
void informar_error(Dialogos& dialogos, const QString& descripcion);

}  // namespace abat
