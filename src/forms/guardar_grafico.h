#pragma once
// "Guardar imagen…": the user chooses where and in which format a chart is saved.

#include <QSize>
#include <functional>

#include "dialogos.h"
#include "errores.h"
#include "guardar_imagen.h"

namespace abat {

using InformarError = std::function<void(const ErrorCalculo&)>;

// Asks for the file and saves the chart there, `tamano` being its size on screen. A file that
// cannot be written goes to `informar` as the path-access error; nothing else changes.
void guardar_grafico(Dialogos& dialogos, QSize tamano, const Pintor& pintar,
                     const InformarError& informar);

}  // namespace abat
