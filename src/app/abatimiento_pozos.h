#pragma once
// "Análisis > Abatimiento en los pozos…": the water level inside every pumping well at the
// pumping time, in a window of its own that follows the results: computed again whenever they
// are, emptied with a reason while there are none.

#include <QObject>

#include "app/asistente.h"
#include "app/ventanas.h"

namespace abat {

class AbatimientoPozos : public QObject {
    Q_OBJECT
  public:
    AbatimientoPozos(Ventanas& v, Asistente& asistente);

    // Shows the window, its table computed for the results shown.
    void abrir();
    // The results have been computed again or have gone: a window showing follows them.
    void seguir();

  private:
    void calcular();

    Ventanas& v_;
    Asistente& asistente_;
};

}  // namespace abat
