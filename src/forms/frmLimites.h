#pragma once
// The window of the aquifer's boundaries: a table of straight lines, each through two points, a
// recharge line ("Recarga": a river or a lake at constant head) or a barrier ("Barrera": a fault
// or an impermeable edge). The table's grid is the store of record of the boundaries; "Actualizar"
// asks for them to be taken. A type is typed by any beginning of its word, in either case ("r",
// "BAR"), and stored as the word; any other text is kept as typed, and refused when taken.

#include <QPushButton>
#include <QWidget>
#include <vector>

#include "adaptadores/dialogos.h"
#include "model/registros.h"

namespace abat {

class TablaCeldas;

class frmLimites : public QWidget {
    Q_OBJECT
  public:
    explicit frmLimites(Dialogos& dialogos, QWidget* parent = nullptr);

    // The lines as typed, an open cell's text included when `cerrar` stores it first.
    std::vector<LimiteTexto> limites(bool cerrar = true) const;
    void setLimites(const std::vector<LimiteTexto>& limites);
    QPushButton* cmdActualizar() const { return actualizar_; }
    TablaCeldas* tabla() const { return tabla_; }

  signals:
    void editado();
    // "Actualizar": the boundaries typed are to be taken.
    void actualizarPedido();

  private:
    void quitar();

    Dialogos& dialogos_;
    TablaCeldas* tabla_;
    QPushButton* actualizar_;
};

}  // namespace abat
