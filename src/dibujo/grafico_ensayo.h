#pragma once
// The pumping test's chart: the readings of each observation well in its colour on log-log paper
// (Theis) or semi-log paper (the straight lines), the fitted curves or lines through them, the
// derivative as a second series, and the residuals in a chart of their own beneath.

#include <QChart>
#include <QGraphicsView>
#include <QPainter>
#include <QSizeF>
#include <memory>

#include "ensayo/analisis_ensayo.h"

namespace abat {

std::unique_ptr<QChart> grafico_ensayo(const DibujoEnsayo& d);
std::unique_ptr<QChart> grafico_residuos(const DibujoEnsayo& d);

// Lays the two charts out over (0, 0, tamano), the residuals under the readings, their plot
// areas over one span across: a residual stands under its reading.
void alinear_graficos(QChart& arriba, QChart& abajo, QSizeF tamano);

// Both charts over (0, 0, tamano) of the painter's device, the residuals under the readings.
void pintar_ensayo(const DibujoEnsayo& d, QPainter& pintor, QSizeF tamano);

// The two charts in one widget, the residuals in the lower part.
class GraficoEnsayo : public QGraphicsView {
    Q_OBJECT
  public:
    explicit GraficoEnsayo(QWidget* parent = nullptr);
    ~GraficoEnsayo() override;

    void mostrar(const DibujoEnsayo& d);
    QChart* principal() const { return principal_; }
    QChart* residuos() const { return residuos_; }

  protected:
    void resizeEvent(QResizeEvent* evento) override;

  private:
    void colocar();

    // A scene a drawing, which owns its charts: a scene deleted whole goes at once, where the
    // charts' thousands of items taken out one by one would each search the scene for itself.
    std::unique_ptr<QGraphicsScene> escena_;
    QChart* principal_ = nullptr;
    QChart* residuos_ = nullptr;
};

}  // namespace abat
