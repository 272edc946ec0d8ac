#pragma once
// The whole program: its shared data, its five windows and the walk through them.

#include <functional>
#include <string>

#include "asistente.h"
#include "declaraciones.h"
#include "dialogos.h"
#include "ventanas.h"

namespace abat {

class Programa {
  public:
    Programa(Dialogos& dialogos, std::function<void()> terminar);

    Declaraciones d;
    Ventanas ventanas;
    Asistente asistente;
    std::string archivoGrafico;  // where the chart is written; empty: beside the program

  private:
    void graficar();
};

// Spanish texts on Qt's standard buttons ("Aceptar", "Cancelar", "Sí", "No").
void cargar_traduccion_qt();

}  // namespace abat
