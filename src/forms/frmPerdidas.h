#pragma once
// A well's loss through its screen and gravel pack, C·Qⁿ: C [sⁿ/m³ⁿ⁻¹] and the exponent n (2 by
// default, Jacob's), both empty for none. Opened over the wells window; "Aceptar" checks them.

#include <QDialog>
#include <string>

#include "adaptadores/dialogos.h"
#include "model/registros.h"

class QLineEdit;

namespace abat {

// Why `p` is not a loss the program can take, or empty: C a number not below 0 and n between 1.5
// and 3.5, a decimal comma read as the point; C empty is no loss.
std::string rechazo_perdidas(const PerdidasTexto& p);

class frmPerdidas : public QDialog {
    Q_OBJECT
  public:
    frmPerdidas(int numero, const std::string& nombre, const PerdidasTexto& perdidas,
                Dialogos& dialogos, QWidget* parent = nullptr);

    // As accepted: none when C is empty.
    PerdidasTexto perdidas() const;

    void accept() override;  // a refusal is told, and the window stays

  private:
    Dialogos& dialogos_;
    QLineEdit* C_;
    QLineEdit* n_;
};

}  // namespace abat
