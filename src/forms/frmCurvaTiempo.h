#pragma once
// The window of a point's time-drawdown curve: the chart, and its data and picture for the
// clipboard and for a report. Escape closes it.

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "adaptadores/dialogos.h"
#include "calc/curva_tiempo.h"
#include "dibujo/grafico_tiempo.h"
#include "forms/guardar_grafico.h"

class QChart;

namespace Ui {
class frmCurvaTiempo;
}

namespace abat {

// What the window shows of a curve: the chart's lines and the table "Copiar datos" gives.
struct ContenidoCurva {
    DatosGraficoTiempo grafico;
    std::vector<std::vector<std::string>> tabla;
};

// The curve of the point `punto` as the window shows it: the total, the ten largest shares at
// the pumping time and, beyond ten wells, "Otros N pozos" with the others' sum; every well's
// share in the table.
ContenidoCurva contenido_curva(const CurvaTiempo& curva, const std::string& punto,
                               const std::vector<Pozo>& pozos);

class frmCurvaTiempo : public QWidget {
    Q_OBJECT
  public:
    // Raises the overflow ErrorCalculo for drawdowns that no axis can span.
    frmCurvaTiempo(ContenidoCurva contenido, Dialogos& dialogos, QWidget* parent = nullptr);
    ~frmCurvaTiempo() override;

    // Shows another curve in place of this one: the same point after a new calculation. Raises
    // the overflow ErrorCalculo, and then keeps what it showed.
    void mostrar(ContenidoCurva contenido);
    QChart* grafico() const;

  private:
    void copiarDatos() const;
    void guardarImagen();
    QPixmap imagen() const;

    std::unique_ptr<Ui::frmCurvaTiempo> ui_;
    ContenidoCurva contenido_;
    Dialogos& dialogos_;
};

}  // namespace abat
