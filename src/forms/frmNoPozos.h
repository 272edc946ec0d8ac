#pragma once
// The wells window: the wells table, the store of record of the wells.

#include <memory>
#include <vector>

#include "forms/datos_por_fila.h"
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

    // The loss through the screen of the well in row `fila`, kept beside the table as the steps.
    PerdidasTexto perdidas(int fila) const { return perdidas_.de(fila); }
    std::vector<PerdidasTexto> perdidas() const { return perdidas_.todos(); }
    void setPerdidas(const std::vector<PerdidasTexto>& perdidas) { perdidas_.poner(perdidas); }

  signals:
    // "Caudal por etapas…" for the well in row `fila`.
    void etapasPedidas(int fila);
    // "Pérdidas en el pozo…" for the well in row `fila`.
    void perdidasPedidas(int fila);

  private:
    bool completa() override;
    // The current cell's well; without one, the user is told how to choose it (`titulo`).
    int filaElegida(const QString& titulo);
    QString ayudaGasto(int fila) const;

    std::unique_ptr<Ui::frmNoPozos> ui_;
    DatosPorFila<std::vector<EtapaTexto>> etapas_;
    DatosPorFila<PerdidasTexto> perdidas_;
};

}  // namespace abat
