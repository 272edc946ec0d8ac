#pragma once
// The report's blocks laid out as Qt text documents: a run of pages for the PDF and the printer,
// its figures painted as vector drawings; or the whole report as one document for OpenDocument,
// its figures as pictures.

#include <QMarginsF>
#include <QPainter>
#include <QSizeF>
#include <QTextDocument>
#include <memory>

#include "informe/contenido_informe.h"

namespace abat {

class FigurasVectoriales;

// A run laid out on sheets of `hoja` pixels (96 to the inch) within `margenes`.
class DocumentoTramo {
  public:
    DocumentoTramo(const TramoInforme& tramo, QSizeF hoja, QMarginsF margenes);
    ~DocumentoTramo();
    DocumentoTramo(DocumentoTramo&& otro) noexcept;
    DocumentoTramo& operator=(DocumentoTramo&& otro) noexcept;

    int paginas() const;
    // Paints page `pagina` (from 0) over the sheet, from its top left corner.
    void pintarPagina(QPainter& pintor, int pagina) const;

  private:
    std::unique_ptr<FigurasVectoriales> figuras_;
    std::unique_ptr<QTextDocument> documento_;
    QSizeF hoja_;
};

// The whole report as one document, each run from a new page, the figures as pictures of `ancho`
// pixels of text width.
std::unique_ptr<QTextDocument> documento_editable(const ContenidoInforme& contenido, double ancho);

}  // namespace abat
