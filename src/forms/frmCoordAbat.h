#pragma once
// The points window: the calculation points table and the exploitation time in days.

#include <memory>
#include <string>

#include "forms/ventana_tabla.h"

namespace Ui {
class frmCoordAbat;
}

namespace abat {

class frmCoordAbat : public VentanaTabla {
    Q_OBJECT
  public:
    explicit frmCoordAbat(Dialogos& dialogos, QWidget* parent = nullptr);
    ~frmCoordAbat() override;

    Grid& puntos() { return tabla(); }
    std::string tiempo() const;            // the text of the time box
    void setTiempo(const QString& texto);  // as it is, without the key filter

  private:
    bool completa() override;

    std::unique_ptr<Ui::frmCoordAbat> ui_;
};

}  // namespace abat
