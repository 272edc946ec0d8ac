#pragma once
// The commands of the aquifer's boundaries and the wells' pumping steps: "Análisis > Límites del
// acuífero…" opens the boundaries' window; "Caudal por etapas…" of the wells table opens a well's
// schedule over the wells window, "Pérdidas en el pozo…" its loss through the screen, and what
// they accept comes in through the one way in.

#include <QObject>
#include <QPointer>

#include "adaptadores/dialogos.h"
#include "app/asistente.h"
#include "app/estudios.h"
#include "app/ventanas.h"
#include "forms/frmEtapas.h"
#include "forms/frmPerdidas.h"

namespace abat {

class LimitesYEtapas : public QObject {
    Q_OBJECT
  public:
    LimitesYEtapas(Ventanas& v, Asistente& asistente, Estudios& estudios, Dialogos& dialogos);

    // The schedule open, for tests; null when none is.
    frmEtapas* etapasAbiertas() const { return etapas_; }
    frmPerdidas* perdidasAbiertas() const { return perdidas_; }

  private:
    void abrirEtapas(int fila);
    void tomarEtapas(int fila, const frmEtapas& ventana);
    void abrirPerdidas(int fila);

    Ventanas& v_;
    Estudios& estudios_;
    Dialogos& dialogos_;
    QPointer<frmEtapas> etapas_;
    QPointer<frmPerdidas> perdidas_;
};

}  // namespace abat
