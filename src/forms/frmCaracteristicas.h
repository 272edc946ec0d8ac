#pragma once
// The aquifer window: transmissivity and storage coefficient.

#include <QPushButton>
#include <QWidget>
#include <memory>

#include "declaraciones.h"
#include "dialogos.h"
#include "modo.h"

namespace Ui {
class frmCaracteristicas;
}

namespace abat {

class frmCaracteristicas : public QWidget {
    Q_OBJECT
  public:
    frmCaracteristicas(Declaraciones& d, Dialogos& dialogos, QWidget* parent = nullptr);
    ~frmCaracteristicas() override;

    QPushButton* cmdSiguiente() const;  // its caption is the window's mode

  signals:
    // Both boxes held text and T and S are stored; the walk through the windows goes on.
    void aceptado(abat::Modo modo);

  private:
    void cmdSiguiente_Click();

    std::unique_ptr<Ui::frmCaracteristicas> ui_;
    Declaraciones& d_;
    Dialogos& dialogos_;
};

}  // namespace abat
