#pragma once
// "Guardar imagen…": the user chooses where and in which format a chart is saved.

#include <QSize>

#include "adaptadores/dialogos.h"
#include "dibujo/guardar_imagen.h"
#include "model/errores.h"

namespace abat {

// Asks for the file, proposing the chart's title as its name, and saves the chart there,
// `tamano` being its size on screen. A file that cannot be written is told, under the title
// "Error al guardar la imagen"; nothing else changes.
void guardar_grafico(Dialogos& dialogos, QSize tamano, const Pintor& pintar, const QString& titulo);

}  // namespace abat
