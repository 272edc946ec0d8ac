#pragma once
// The wells window: the wells table, the store of record of the wells.

#include <QPushButton>
#include <QWidget>
#include <memory>

#include "dialogos.h"
#include "editor_celdas.h"
#include "grid.h"
#include "modo.h"

namespace Ui {
class frmNoPozos;
}

namespace abat {

class frmNoPozos : public QWidget {
    Q_OBJECT
  public:
    explicit frmNoPozos(Dialogos& dialogos, QWidget* parent = nullptr);
    ~frmNoPozos() override;

    QPushButton* cmdSiguiente() const;  // its caption is the window's mode
    Grid& pozos() { return pozos_; }

    // The window has become the active one: the add button takes the focus.
    void Form_Activate();
    // Writes 1, 2, ... into the number column after a removal.
    void actualizar_numeros();

  signals:
    void aceptado(abat::Modo modo);

  private:
    void cmdSiguiente_Click();
    void cmdAgregar_Click();
    void cmdQuitar_Click();

    std::unique_ptr<Ui::frmNoPozos> ui_;
    Dialogos& dialogos_;
    Grid pozos_;
    EditorCeldas* editor_;
};

}  // namespace abat
