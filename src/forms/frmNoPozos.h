#pragma once
// The wells window: the wells table, the store of record of the wells.

#include <memory>

#include "forms/ventana_tabla.h"

namespace Ui {
class frmNoPozos;
}

namespace abat {

class frmNoPozos : public VentanaTabla {
    Q_OBJECT
  public:
    explicit frmNoPozos(Dialogos& dialogos, QWidget* parent = nullptr);
    ~frmNoPozos() override;

    Grid& pozos() { return tabla(); }

  private:
    bool completa() override;

    std::unique_ptr<Ui::frmNoPozos> ui_;
};

}  // namespace abat
