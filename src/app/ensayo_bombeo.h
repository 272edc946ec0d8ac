#pragma once
// The pumping test in the program: "Ensayo de bombeo…" in the menu "Análisis" shows its window;
// "Usar en el estudio" takes the fitted T and S into the aquifer, and "Importar…" of its table
// the readings of a spreadsheet, both through the one way in.

#include <QObject>

#include "adaptadores/dialogos.h"
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

  private:
    Ventanas& v_;
    Estudios& estudios_;
    Dialogos& dialogos_;
};

}  // namespace abat
