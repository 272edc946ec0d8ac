#pragma once
// The wells window: the wells table, the store of record of the wells.

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "forms/ventana_tabla.h"
#include "model/registros.h"

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

    // The pumping steps after the first of the well in row `fila` (its rate from 0 on is its
    // "Gasto"), kept beside the table: each follows its row through every addition and removal.
    std::vector<EtapaTexto> etapas(int fila) const;
    // Every well's, in the rows' order, none after the last well that has some.
    std::vector<std::vector<EtapaTexto>> etapas() const;
    // In place of all: the wells beyond `etapas` have none.
    void setEtapas(const std::vector<std::vector<EtapaTexto>>& etapas);

  signals:
    // "Caudal por etapas…" for the well in row `fila`.
    void etapasPedidas(int fila);

  private:
    bool completa() override;
    void pedirEtapas();
    QString ayudaGasto(int fila) const;

    std::unique_ptr<Ui::frmNoPozos> ui_;
    std::unordered_map<uint64_t, std::vector<EtapaTexto>> etapas_;  // by the row's key
};

}  // namespace abat
