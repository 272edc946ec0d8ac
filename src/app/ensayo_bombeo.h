#pragma once
// The pumping test in the program: "Ensayo de bombeo…" in the menu "Análisis" shows its window;
// "Usar en el estudio" takes the fitted T and S into the aquifer (a step test's loss into the well
// it was made in), and "Importar…" of its table the readings of a spreadsheet, all through the one
// way in.

#include <QObject>

#include "adaptadores/dialogos.h"
#include "adaptadores/grid_model.h"
#include "app/estudios.h"
#include "app/ventanas.h"

namespace abat {

class EnsayoBombeo : public QObject {
    Q_OBJECT
  public:
    EnsayoBombeo(Ventanas& v, Estudios& estudios, Dialogos& dialogos);

    // The aquifer of the study becomes T and S as the program writes them; an empty S (the
    // recovery gives none) leaves the aquifer's.
    void usar(const QString& T, const QString& S, const QString& c);
    // The readings of a spreadsheet (.xlsx, .ods, .csv), after the table's; a file refused is
    // told, and nothing changes.
    void importar();
    // A step test's loss C·Qⁿ into the study's first well named `pozo`; none so named is told.
    void usarPerdidas(const QString& pozo, const QString& C, const QString& n);

  private:
    const GridTableModel* control_pozos() const;
    void ofrecerPozos() const;

    Ventanas& v_;
    Estudios& estudios_;
    Dialogos& dialogos_;
};

}  // namespace abat
