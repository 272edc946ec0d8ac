#include "app/ventanas.h"

namespace abat {

Ventanas::Ventanas(Declaraciones& d, Dialogos& dialogos)
    : caracteristicas(new frmCaracteristicas(d, dialogos)),
      noPozos(new frmNoPozos(dialogos)),
      coordAbat(new frmCoordAbat(dialogos)),
      resultados(new frmResultados()),
      ensayo(new frmEnsayo(dialogos)),
      limites(new frmLimites(dialogos)),
      acuitardo(new frmAcuitardo(dialogos)),
      abatimientoPozos(new frmAbatimientoPozos()) {
    for (QWidget* hijo : std::initializer_list<QWidget*>{caracteristicas, noPozos, coordAbat,
                                                         resultados, limites, acuitardo}) {
        principal.agregar(hijo);
    }
    principal.agregarVentana(ensayo);
    principal.agregarVentana(abatimientoPozos);
}

}  // namespace abat
