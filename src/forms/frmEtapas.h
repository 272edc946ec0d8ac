#pragma once
// A well's pumping schedule: a table of steps, "Desde[días]" and "Caudal[m3/s]", whose first row
// is the well's own rate from 0 on ("Gasto" in the wells table); 0 stops the well, a negative rate
// injects. Opened over the wells window; "Aceptar" checks the steps and closes it. The same window
// holds a pumping test's rate steps, in the test's unit.

#include <QDialog>
#include <string>
#include <vector>

#include "adaptadores/dialogos.h"
#include "model/registros.h"

namespace abat {

class TablaEtapas;

class frmEtapas : public QDialog {
    Q_OBJECT
  public:
    // Well `numero` named `nombre`, its rate `caudal` as the cell holds it and its steps after it.
    frmEtapas(int numero, const std::string& nombre, const std::string& caudal,
              const std::vector<EtapaTexto>& etapas, Dialogos& dialogos, QWidget* parent = nullptr);
    // Another schedule (a pumping test's): its title, the help above the table, the times' unit;
    // its first rate may have a decimal comma, as the test's boxes.
    frmEtapas(const QString& titulo, const QString& ayuda, const std::string& unidad,
              const std::string& caudal, const std::vector<EtapaTexto>& etapas, Dialogos& dialogos,
              QWidget* parent = nullptr);

    // As accepted: the first row's rate, and the steps after the first.
    std::string caudal() const;
    std::vector<EtapaTexto> etapas() const;
    TablaEtapas* tabla() const { return tabla_; }

    void accept() override;  // the steps checked; a refusal is told, and the window stays

  private:
    Dialogos& dialogos_;
    std::string unidad_;
    bool coma_decimal_;
    TablaEtapas* tabla_;
};

}  // namespace abat
