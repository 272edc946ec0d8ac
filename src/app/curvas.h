#pragma once
// The time-drawdown curves of the results' points, each in a window of its own that follows the
// results: drawn anew at each calculation for the point of its row, closed when a calculation
// fails or its point is gone.

#include <QPointer>
#include <memory>
#include <utility>
#include <vector>

#include "adaptadores/dialogos.h"
#include "calc/datos_calculo.h"
#include "forms/MDIForm1.h"
#include "forms/frmCurvaTiempo.h"

namespace abat {

class Curvas {
  public:
    Curvas(MDIForm1& principal, Dialogos& dialogos) : principal_(principal), dialogos_(dialogos) {}

    // A calculation starts from these data: the curves asked for from now on are theirs.
    void nuevoCalculo(std::shared_ptr<const DatosCalculo> datos);
    // It has ended in results: each open curve is drawn anew for the point of its row; one whose
    // point is gone, or whose drawdown cannot be computed at some time, closes.
    void seguirResultados();
    // It has failed: the curves close with the results they came from.
    void cerrar();
    // Opens the curve of the point of results row `fila` (from 1) of the last calculation, or
    // brings its window to the front when it is open. A drawdown that cannot be computed at some
    // time is reported, and nothing opens.
    void abrir(int fila);
    // The windows open now.
    std::vector<QWidget*> abiertas() const;
    // The data of the curves drawn and asked for: those of the last calculation.
    const std::shared_ptr<const DatosCalculo>& datos() const { return datos_; }
    // The curve of the point of results row `fila` as its window shows it; raises ErrorCalculo
    // naming the point.
    ContenidoCurva contenido(int fila) const;

  private:
    // False when the point of row `fila` is gone or its curve cannot be computed.
    bool redibujar(int fila, frmCurvaTiempo& ventana) const;

    MDIForm1& principal_;
    Dialogos& dialogos_;
    std::shared_ptr<const DatosCalculo> datos_;
    std::vector<std::pair<int, QPointer<frmCurvaTiempo>>> ventanas_;  // by results row
};

}  // namespace abat
