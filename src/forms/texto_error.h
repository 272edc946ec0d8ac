#pragma once
// How an error reaches the user: its number and Spanish description, what was being done, and
// where it arose: the well, point or grid node computed, or the file with the system's cause.

#include <QString>

#include "model/errores.h"

namespace abat {

// "Se ha producido el error '6' en el cálculo:\n\nDesbordamiento\n\nPozo 2, punto 1." or, for a
// file, "... al guardar la imagen:\n\nError de acceso ...\n\n/ruta/a.png: Permiso denegado".
// `accion` says what was being done: "en el cálculo", "al guardar la imagen", "al exportar".
QString texto_error(const ErrorCalculo& error,
                    const QString& accion = QStringLiteral("en el cálculo"));

}  // namespace abat
