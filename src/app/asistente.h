#pragma once
// The walk through the windows: aquifer, wells, points, results, and back from the results to
// any input window in update mode. Exactly one child window is visible between two steps.

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

#include "adaptadores/dialogos.h"
#include "app/curvas.h"
#include "app/mapa.h"
#include "app/ventanas.h"
#include "calc/datos_calculo.h"
#include "calc/origen_error.h"
#include "forms/modo.h"
#include "model/declaraciones.h"
#include "model/errores.h"

namespace abat {

class Asistente : public QObject {
    Q_OBJECT
  public:
    using Graficar = std::function<void(const DatosCalculo&)>;

    // `terminar` ends the program.
    Asistente(Ventanas& v, Declaraciones& d, Dialogos& dialogos, std::function<void()> terminar);

    // `graficar` draws the chart of the results just computed from `datos`.
    void setGraficar(Graficar graficar) { graficar_ = std::move(graficar); }

    // The main window's start: it opens maximised with the aquifer window centred in it.
    void iniciar();

    Curvas& curvas() { return curvas_; }
    Mapa& mapa() { return mapa_; }
    // The data of the results shown, or none while there are none (before a calculation, after
    // one that failed, after another study was opened).
    std::shared_ptr<const DatosCalculo> datosDeResultados() const {
        return hayResultados_ ? datos_ : nullptr;
    }

    // The windows hold a study just opened or recovered. With all its data the results are
    // computed and shown, as after a first pass; otherwise the first window that lacks its data
    // shows, in its first-pass mode. The last study's results and curves go.
    void mostrarEstudio();

  private:
    void acuiferoAceptado(Modo modo);
    void pozosAceptados(Modo modo);
    void puntosAceptados();
    void editar(QWidget* ventana, QPushButton* siguiente);
    void salir();
    // An input window placed as the walk places it: centred, the wells and points windows at the
    // top.
    void colocar(QWidget* ventana);
    // Only `ventana` shows among the four.
    void mostrarSolo(QWidget* ventana);

    // Wells x points within the results table's limit; otherwise a message, and nothing changes.
    bool cabeLaTabla();
    void aResultados();
    // Rebuilds the results and the chart. An error is reported, the input windows keep every
    // value, and the result is the window that holds the value to mend; once the results show,
    // the focus waits on the button that leads there.
    std::optional<Origen> calcular();
    Origen fallo(const ErrorCalculo& e, const DatosCalculo& datos);
    // Calculates, then shows the results in place of `desde`, also after an error.
    void actualizarDesde(QWidget* desde);

    Ventanas& v_;
    Declaraciones& d_;
    Dialogos& dialogos_;
    std::function<void()> terminar_;
    Graficar graficar_;
    Curvas curvas_;
    Mapa mapa_;
    // What the last calculation read, for the error's culprit.
    std::shared_ptr<const DatosCalculo> datos_;
    bool hayResultados_ = false;
};

}  // namespace abat
