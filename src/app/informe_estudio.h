#pragma once
// "Archivo > Informe…" and "Imprimir…": the study's report, from the data to the results' map,
// curves and pumping test, as a PDF, an OpenDocument text or printed pages; and the same report
// written from the command line. It needs the results of the entries the windows hold.

#include <QSize>
#include <QString>
#include <functional>
#include <utility>

#include "adaptadores/dialogos.h"
#include "app/asistente.h"
#include "app/estudios.h"
#include "app/ventanas.h"
#include "dibujo/pintar_grafico.h"
#include "informe/contenido_informe.h"

namespace abat {

class InformeDelEstudio {
  public:
    // The plan chart shown and its size on screen.
    using PlanoMostrado = std::function<std::pair<Pintor, QSizeF>()>;

    InformeDelEstudio(Ventanas& v, Asistente& asistente, Estudios& estudios, Dialogos& dialogos,
                      PlanoMostrado plano);

    // "Informe…": the file chosen, written whole; what fails is told.
    void guardar();
    // "Imprimir…": the print dialog, then the pages.
    void imprimir();
    // Why there can be no report now (no results, or results of other entries); empty when
    // there can.
    QString sinInforme() const;
    // The report into `ruta` (PDF, or OpenDocument for ".odt"); raises the ErrorCalculo of a
    // file that cannot be written or a map or curve that cannot be computed.
    void escribir(const QString& ruta);

  private:
    ContenidoInforme contenido();
    bool sePuede();

    Ventanas& v_;
    Asistente& asistente_;
    Estudios& estudios_;
    Dialogos& dialogos_;
    PlanoMostrado plano_;
};

}  // namespace abat
