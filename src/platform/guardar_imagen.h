#pragma once
// Saving a chart as a picture for a report: PNG at twice its size on screen, SVG and PDF as
// vectors that print sharp at any size.

#include <QSize>
#include <QString>

#include "pintar_grafico.h"

namespace abat {

// The file types of the save dialog, in Spanish, PNG first.
QString filtros_imagen();

// The path as chosen, with the extension of the type chosen in the dialog (`filtro`, one of
// filtros_imagen()) added when it has none of the three.
QString con_extension(const QString& ruta, const QString& filtro);

// Writes the chart to `ruta` in the format its extension names (.png, .svg, .pdf), `tamano` being
// its size on screen. The file is written whole or not at all: into a temporary file beside it,
// renamed once complete. Raises the path-access ErrorCalculo naming `ruta` when it cannot.
void guardar_imagen(const QString& ruta, QSize tamano, const Pintor& pintar);

}  // namespace abat
