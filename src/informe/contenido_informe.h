#pragma once
// What a study's report holds, as typed blocks in the order they are read: headings, paragraphs,
// tables and figures, in runs of pages of one orientation. Written as PDF, printed, or as an
// OpenDocument text, from the same content.

#include <QSizeF>
#include <QString>
#include <variant>
#include <vector>

#include "dibujo/pintar_grafico.h"

namespace abat {

struct TituloInforme {
    QString texto;
    int nivel = 1;  // 0: the report's title; 1: a section; 2: within one; 3: a table's part
};

struct Parrafo {
    QString texto;
    bool nota = false;  // smaller and grey: a caption, a remark
};

struct TablaInforme {
    std::vector<QString> cabecera;            // repeated at the top of each page it spans
    std::vector<std::vector<QString>> filas;  // each as long as the header
    std::vector<bool> atenuadas = {};         // rows shown grey (readings left out); may be short
};

// A chart or the map, painted by `pintar` over (0, 0, tamano); on the page it keeps its
// proportions, as wide as the text or as `ancho` of it, and never taller than the page.
struct FiguraInforme {
    Pintor pintar;
    QSizeF tamano;     // in pixels of the screen, as the chart is laid out
    QString pie;       // its caption
    double ancho = 1;  // of the text's width
};

using BloqueInforme = std::variant<TituloInforme, Parrafo, TablaInforme, FiguraInforme>;

// Pages of one orientation; each run starts on a new page.
struct TramoInforme {
    bool apaisado = false;
    std::vector<BloqueInforme> bloques;
};

struct ContenidoInforme {
    QString titulo;    // of the document, in its properties
    QString cabecera;  // at the top of each page: the study's name and the date
    std::vector<TramoInforme> tramos;
};

}  // namespace abat
