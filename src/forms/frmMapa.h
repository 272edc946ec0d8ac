#pragma once
// The window of the drawdown map: the map of the total drawdown at the time the slider or the box
// gives, its isolines, the cursor's drawdown, zoom and pan, and its data and picture for the
// clipboard and a report. It shows what it is given; it asks for a new map when the time, the
// interval, the view or its size change.

#include <QAction>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <memory>

#include "adaptadores/dialogos.h"
#include "calc/curva_tiempo.h"
#include "chart/dibujo_mapa.h"

namespace Ui {
class frmMapa;
}

namespace abat {

class frmMapa : public QWidget {
    Q_OBJECT
  public:
    explicit frmMapa(Dialogos& dialogos, QWidget* parent = nullptr);
    ~frmMapa() override;

    // The results' pumping time: the slider runs from three decades below it to one above, as
    // the curves' time axis, marks it, and starts there.
    void prepararTiempo(double bombeo);
    // The plan chart's extent: the map opens over it, and "Vista inicial" goes back to it.
    void prepararVista(const Caja& inicial);
    // Gives, for a plot of so many pixels, the map at the time and view shown, for a picture file
    // drawn at its own resolution.
    void setRecomponer(std::function<std::shared_ptr<const DibujoMapa>(QSize)> recomponer);

    double tiempo() const { return tiempo_; }
    double intervalo() const { return intervalo_; }  // m; 0: chosen for the values
    // The view at one scale across and up on the plot's pixels, and those pixels.
    Caja vista() const;
    QSize pixeles() const;

    // The map to show; none: a blank plot, while the line under it says why.
    void mostrar(std::shared_ptr<const DibujoMapa> mapa);
    // The line under the map: the cursor's place and drawdown, or why the map is not drawn.
    void mostrarLinea(const QString& texto);
    // Another command in the map's context menu, after "Vista inicial".
    void agregarAccion(QAction* accion);

  signals:
    // The time, the interval, the view or the size have changed.
    void mapaPedido();
    void cursorMovido(double x, double y);

  private:
    void alMoverDeslizador(int posicion);
    void alEscribirTiempo();
    void alEscribirIntervalo();
    void cambiarVista(const Caja& vista);
    void copiarDatos() const;
    QPixmap copiaDelMapa() const;
    void guardarImagen();
    void reservarLinea();

    std::unique_ptr<Ui::frmMapa> ui_;
    Dialogos& dialogos_;
    TiemposCurva tiempos_;
    double tiempo_ = 1.0;
    double intervalo_ = 0.0;
    Caja inicial_;
    Caja vista_;
    std::function<std::shared_ptr<const DibujoMapa>(QSize)> recomponer_;
};

// The map's grid as a spreadsheet reads a surface: an empty cell and the x of each column, then
// each row's y (from the highest, north at the top) and its drawdowns, as the program writes
// numbers; a node outside the aquifer, which has none, an empty cell.
std::vector<std::vector<std::string>> tabla_de_rejilla(const Rejilla& rejilla);

}  // namespace abat
