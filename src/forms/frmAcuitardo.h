#pragma once
// The window of the aquitard through which a leaky aquifer is fed: its resistance c, in days, and
// the leakage factor B = √(T·c) it gives. An empty box: the aquifer is confined. "Actualizar"
// checks the box and asks for its text to be taken; a refused text is said, and nothing changes.

#include <QWidget>
#include <optional>

#include "adaptadores/dialogos.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace abat {

class frmAcuitardo : public QWidget {
    Q_OBJECT
  public:
    explicit frmAcuitardo(Dialogos& dialogos, QWidget* parent = nullptr);

    // The resistance as last taken: the store of record of the aquitard's text.
    QString resistencia() const { return tomada_; }
    // Taken from elsewhere (a study, a fit): the box shows it too.
    void setResistencia(const QString& texto);
    // The aquifer's transmissivity, m²/s, for the leakage factor; none while it is unknown.
    void setTransmisividad(std::optional<double> T);
    QPushButton* cmdActualizar() const { return actualizar_; }

  signals:
    // "Actualizar" with a text the box admits: it is to be taken.
    void actualizarPedido(const QString& texto);

  private:
    void actualizar();
    void mostrarFactor();

    Dialogos& dialogos_;
    QLineEdit* caja_;
    QLabel* factor_;
    QPushButton* actualizar_;
    QString tomada_;
    std::optional<double> T_;
};

}  // namespace abat
