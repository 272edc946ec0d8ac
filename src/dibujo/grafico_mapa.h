#pragma once
// The widgets of the drawdown map's window: the map itself, which tells where the cursor is and
// how the wheel, a drag or the keyboard would move the view, and the time slider, which marks
// the pumping time of the results.

#include <QSlider>
#include <QWidget>
#include <memory>
#include <optional>

#include "dibujo/pintar_mapa.h"

namespace abat {

class GraficoMapa : public QWidget {
    Q_OBJECT
  public:
    explicit GraficoMapa(QWidget* parent = nullptr);

    void mostrar(std::shared_ptr<const DibujoMapa> mapa);
    const std::shared_ptr<const DibujoMapa>& mapa() const { return mapa_; }
    // The plot area's size in pixels, which the view is made to fill at one scale.
    QSize tamanoTrazado() const;

  signals:
    // The cursor is over the plot at (x, y) metres; or has left it.
    void cursor(double x, double y);
    void cursorFuera();
    // The wheel, or + and -, ask for the view scaled by `factor` about (x, y).
    void zoom(double factor, double x, double y);
    // A drag, or an arrow key, has moved the plot by (dx, dy) metres.
    void arrastre(double dx, double dy);
    void redimensionado();

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void leaveEvent(QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

  private:
    // The place in metres under a point of the widget, or none outside the plot.
    std::optional<QPointF> lugar(QPointF punto) const;

    std::shared_ptr<const DibujoMapa> mapa_;
    std::optional<QPointF> arrastre_;  // where a drag began, in pixels
    QPointF desplazamiento_;           // how far the drag has moved the picture, in pixels
};

// A slider that marks one of its positions, the pumping time, with a red triangle below the
// groove.
class DeslizadorTiempo : public QSlider {
    Q_OBJECT
  public:
    explicit DeslizadorTiempo(QWidget* parent = nullptr);
    void setMarca(int posicion);
    int marca() const { return marca_; }

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    int marca_ = -1;
};

}  // namespace abat
