#pragma once
// Saving a chart as a picture for a report: PNG (or another picture format Qt writes: JPEG, BMP,
// TIFF, ...) at twice its size on screen, SVG and PDF as vectors that print sharp at any size.

#include <QSize>
#include <QString>

#include "dibujo/pintar_grafico.h"

namespace abat {

// The file types of the save dialog, in Spanish, PNG first.
QString filtros_imagen();

// The path as chosen: kept when its extension names a format the program writes; otherwise with
// the extension of the type chosen in the dialog (`filtro`, one of filtros_imagen()) added.
QString con_extension(const QString& ruta, const QString& filtro);

// A file name for the chart titled `titulo`: the title without the characters a file name
// cannot hold, and the extension.
QString nombre_de_archivo(const QString& titulo, const QString& extension = QStringLiteral("png"));

// Writes the chart to `ruta` in the format its extension names, `tamano` being its size on
// screen; `titulo` is the document's title of a vector file. The file is written whole or not at
// all: into a temporary file beside it, renamed once complete. Raises the path-access
// ErrorCalculo naming `ruta`, with the system's cause, when it cannot.
void guardar_imagen(const QString& ruta, QSize tamano, const Pintor& pintar, const QString& titulo);

}  // namespace abat
