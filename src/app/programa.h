#pragma once
// The whole program: its shared data, its five windows and the walk through them.

#include <functional>
#include <memory>
#include <string>

#include "adaptadores/dialogos.h"
#include "app/abatimiento_pozos.h"
#include "app/acuitardo_estudio.h"
#include "app/asistente.h"
#include "app/ensayo_bombeo.h"
#include "app/estudios.h"
#include "app/informe_estudio.h"
#include "app/limites_y_etapas.h"
#include "app/ventanas.h"
#include "dibujo/motor_qtcharts.h"
#include "dibujo/pintar_grafico.h"
#include "model/declaraciones.h"

namespace abat {

class Programa {
  public:
    // `terminar` ends the program after "Salir"; `carpetaRecuperacion` keeps the recovery copies
    // (the user's application-data directory when empty).
    Programa(Dialogos& dialogos, std::function<void()> terminar,
             const QString& carpetaRecuperacion = {});

    // The start: the main window with the aquifer window; then, before anything else, the
    // entries a session left unsaved, offered; then the study named on the command line, if any.
    void iniciar(const QString& estudio = {});

    Declaraciones d;
    Ventanas ventanas;
    Asistente asistente;
    Estudios estudios;
    EnsayoBombeo ensayo;
    LimitesYEtapas limitesYEtapas;
    AcuitardoDelEstudio acuitardo;
    InformeDelEstudio informe;
    AbatimientoPozos abatimientoPozos;
    std::string archivoGrafico;  // where the chart is written; empty: beside the program

  private:
    void graficar(const DatosCalculo& datos);
    // On a screen of higher pixel density, Image1 shows the chart drawn at that density.
    void mostrarNitido();
    void guardarGrafico();
    Pintor pintorPlano() const;  // paints the chart shown

    Dialogos& dialogos_;
    std::shared_ptr<const PlanoDibujo> plano_;  // the chart shown, to save or draw again
};

// Spanish texts on Qt's standard buttons ("Aceptar", "Cancelar", "Sí", "No").
void cargar_traduccion_qt();

}  // namespace abat
