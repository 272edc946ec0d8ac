#pragma once
// The results window: the chart, the summary table and the way back to the input windows.

#include <QPixmap>
#include <memory>
#include <string>

#include "calc/origen_error.h"
#include "forms/ventana_con_tabla.h"

namespace Ui {
class frmResultados;
}

namespace abat {

class frmResultados : public VentanaConTabla {
    Q_OBJECT
  public:
    explicit frmResultados(QWidget* parent = nullptr);
    ~frmResultados() override;

    Grid& resultados() { return tabla(); }

    // Shows the chart in Image1, scaled to its box without distortion; a picture drawn for a
    // screen of higher pixel density at its own density.
    void mostrarGrafico(const QPixmap& imagen);
    // Loads the chart from a picture file into Image1; raises the path-access ErrorCalculo
    // when it cannot be read. Image1 then keeps what it showed.
    void cargarGrafico(const std::string& archivo);
    // No results: an empty table and no picture.
    void limpiar();
    // Puts the focus on the button that leads to the window of `origen`.
    void enfocarEdicion(Origen origen);
    void enfocarTabla();
    QSize tamanoImagen() const;     // Image1's box, in pixels
    QPixmap imagen() const;         // what Image1 shows
    QString tituloGrafico() const;  // the chart's name, as screen readers read it

  signals:
    void editarAcuifero();
    void editarPozos();
    void editarPuntos();
    void terminar();
    // The time-drawdown curve of the point of results row `fila` is asked for.
    void curvaPedida(int fila);
    // The drawdown map is asked for: "Mapa de abatimientos…", or a double click on the chart.
    void mapaPedido();
    void guardarGraficoPedido();

  protected:
    bool eventFilter(QObject* vigilado, QEvent* evento) override;

  private:
    void pedirCurva();

    std::unique_ptr<Ui::frmResultados> ui_;
    QPixmap grafico_;  // the chart at its own size, for the clipboard
};

}  // namespace abat
