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

// A calculation that ended in results: the records it read and its results as numbers, for
// what the results lead to (the curves, the map, the GIS files).
struct Calculo {
    std::shared_ptr<const DatosCalculo> datos;
    Resultados resultados;
};

// How a change made outside the walk comes in.
enum class Entrada {
    otro_estudio,  // another study in place of the entries: opened, recovered, new
    cambio,        // the same study changed: an import, a coordinate system, an aquifer fitted
};

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
    // The calculation of the results shown, or none while there are none (before a calculation,
    // after one that failed, after another study was opened).
    std::shared_ptr<const Calculo> calculo() const { return hayResultados_ ? calculo_ : nullptr; }
    // Whether the results are of the entries the windows hold: none of them has changed since.
    bool resultadosVigentes() const { return hayResultados_ && !cambiadas_; }

    // The windows hold new entries, put there from outside the walk. T and S are stored as the
    // aquifer window's "Siguiente" stores them. Another study: the last one's results, curves
    // and map go; with all its data the results are computed and shown, as after a first pass,
    // otherwise the first window that lacks its data shows, in its first-pass mode. A change of
    // the same study: where the results show they are computed again, or, when the entries now
    // lack something, that window shows as an opened study's would.
    void tomarEntradas(Entrada como);

    // "Análisis > Límites del acuífero…" or "Acuitardo…": that window, which stands aside from
    // the walk, in place of the one showing.
    void mostrarAparte(QWidget* ventana);
    // Its "Actualizar": entries that cannot be taken are told, and the window stays; otherwise
    // the results are computed again and shown when the window was opened over them or the
    // entries are complete, and the window it was opened over shows when they are not.
    void aparteAceptada(QWidget* ventana);

  signals:
    // A calculation has ended: in results (calculo() gives them) or not.
    void calculoTerminado();

  private:
    void acuiferoAceptado(Modo modo);
    void pozosAceptados(Modo modo);
    void puntosAceptados();
    void editar(QWidget* ventana, QPushButton* siguiente);
    // The results go, and the walk starts again from the first window that lacks its data; with
    // none lacking, the results are computed.
    void empezarDeNuevo();
    void calcularYMostrar();
    void salir();
    // An input window placed as the walk places it: centred, the wells and points windows at the
    // top.
    void colocar(QWidget* ventana);
    // Only `ventana` shows among the walk's windows and those aside.
    void mostrarSolo(QWidget* ventana);

    // Wells x points within the results table's limit; otherwise a message, and nothing changes.
    bool cabeLaTabla();
    // The aquitard, the boundaries and the steps taken with the wells and points; otherwise a
    // message, nothing changes, and the window that holds what to mend.
    QWidget* rechazoDelContorno();
    // Both, as every calculation asks them first.
    bool sePuedeCalcular() { return cabeLaTabla() && rechazoDelContorno() == nullptr; }
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
    // What the last calculation read, for the error's culprit, and what it computed.
    std::shared_ptr<const DatosCalculo> datos_;
    std::shared_ptr<const Calculo> calculo_;
    bool hayResultados_ = false;
    bool cambiadas_ = false;            // an entry has changed since the results were computed
    QWidget* antesDeAparte_ = nullptr;  // the window a window aside was opened over
};

}  // namespace abat
