#pragma once
// The points window: the calculation points table and the exploitation time in days.

#include <QPushButton>
#include <QWidget>
#include <memory>

#include "dialogos.h"
#include "editor_celdas.h"
#include "grid.h"

namespace Ui {
class frmCoordAbat;
}

namespace abat {

class frmCoordAbat : public QWidget {
    Q_OBJECT
  public:
    explicit frmCoordAbat(Dialogos& dialogos, QWidget* parent = nullptr);
    ~frmCoordAbat() override;

    QPushButton* cmdSiguiente() const;  // its caption is the window's mode
    Grid& puntos() { return puntos_; }
    std::string tiempo() const;  // the text of the time box

    void Form_Activate();
    // Writes 1, 2, ... into the number column after a removal.
    void actualizar_numeros();

  signals:
    // At least one point and a time: the calculation may run. The caption is not looked at.
    void aceptado();

  private:
    void cmdSiguiente_Click();
    void cmdAgregar_Click();
    void cmdQuitar_Click();

    std::unique_ptr<Ui::frmCoordAbat> ui_;
    Dialogos& dialogos_;
    Grid puntos_;
    EditorCeldas* editor_;
};

}  // namespace abat
