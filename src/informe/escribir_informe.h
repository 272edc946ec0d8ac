#pragma once
// The report written: a PDF whose text can be searched and whose charts are vector drawings, a
// printer's pages, or an OpenDocument text whose tables stay tables and whose charts are pictures.
// A4, portrait or landscape by run; the study's name and date at the top of each page and
// "Página n de N" at its foot.

#include <QString>

#include "informe/contenido_informe.h"

class QPrinter;

namespace abat {

// Into `ruta`, as OpenDocument when it ends in ".odt" and as PDF otherwise, whole or not at all:
// a file that cannot be written raises ErrorCalculo::de_acceso(ruta) with the system's cause, and
// an old file stays as it was.
void escribir_informe(const QString& ruta, const ContenidoInforme& contenido);

// Onto the pages of `impresora`, set up by the print dialog; false when it failed.
bool imprimir_informe(QPrinter& impresora, const ContenidoInforme& contenido);

}  // namespace abat
