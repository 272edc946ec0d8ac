#pragma once
// The aquifer window: transmissivity and storage coefficient.

#include <QPushButton>
#include <QWidget>
#include <memory>

#include "adaptadores/dialogos.h"
#include "forms/modo.h"
#include "model/declaraciones.h"

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
    // The boxes' texts, as typed; set as they are, without the key filter.
    QString textoT() const;
    QString textoS() const;
    void setTextos(const QString& T, const QString& S);
    // Stores the boxes' values in T and S, by the leading-number rule.
    void almacenar();

  signals:
    // Both boxes held text and T and S are stored; the walk through the windows goes on.
    void aceptado(abat::Modo modo);
    // A box's text has changed.
    void editado();

  private:
    void cmdSiguiente_Click();

    std::unique_ptr<Ui::frmCaracteristicas> ui_;
    Declaraciones& d_;
    Dialogos& dialogos_;
};

}  // namespace abat
