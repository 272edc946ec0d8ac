#pragma once
// The results window: the chart, the summary table and the way back to the input windows.

#include <QPixmap>
#include <QWidget>
#include <memory>

#include "grid.h"

namespace Ui {
class frmResultados;
}

namespace abat {

class frmResultados : public QWidget {
    Q_OBJECT
  public:
    explicit frmResultados(QWidget* parent = nullptr);
    ~frmResultados() override;

    Grid& resultados() { return resultados_; }

    // Shows the chart in Image1, scaled to its box without distortion.
    void mostrarGrafico(const QPixmap& imagen);

  signals:
    void editarAcuifero();
    void editarPozos();
    void editarPuntos();
    void terminar();

  private:
    std::unique_ptr<Ui::frmResultados> ui_;
    Grid resultados_;
};

}  // namespace abat
