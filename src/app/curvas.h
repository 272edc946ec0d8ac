#pragma once
// The time-drawdown curves of the results' points, each in a window of its own that stays open
// while the user moves through the other windows, until the next calculation.

#include <QPointer>
#include <memory>
#include <utility>
#include <vector>

#include "MDIForm1.h"
#include "datos_calculo.h"
#include "dialogos.h"

namespace abat {

class Curvas {
  public:
    Curvas(MDIForm1& principal, Dialogos& dialogos) : principal_(principal), dialogos_(dialogos) {}

    // A calculation starts from these data: the curves of the last one close, as its results go.
    void nuevoCalculo(std::shared_ptr<const DatosCalculo> datos);
    // Opens the curve of the point of results row `fila` (from 1) of the last calculation, or
    // brings its window to the front when it is open. A drawdown that cannot be computed at some
    // time is reported, and nothing opens.
    void abrir(int fila);
    // The windows open now.
    std::vector<QWidget*> abiertas() const;

  private:
    void cerrar();

    MDIForm1& principal_;
    Dialogos& dialogos_;
    std::shared_ptr<const DatosCalculo> datos_;
    std::vector<std::pair<int, QPointer<QWidget>>> ventanas_;  // by results row
};

}  // namespace abat
