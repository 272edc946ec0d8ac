#pragma once
// The windows of the program, each created once and then only shown and hidden.

#include "adaptadores/dialogos.h"
#include "forms/MDIForm1.h"
#include "forms/frmAbatimientoPozos.h"
#include "forms/frmAcuitardo.h"
#include "forms/frmCaracteristicas.h"
#include "forms/frmCoordAbat.h"
#include "forms/frmEnsayo.h"
#include "forms/frmLimites.h"
#include "forms/frmNoPozos.h"
#include "forms/frmResultados.h"
#include "model/declaraciones.h"

namespace abat {

struct Ventanas {
    Ventanas(Declaraciones& d, Dialogos& dialogos);

    MDIForm1 principal;
    // Owned by the main window's client area.
    frmCaracteristicas* caracteristicas;
    frmNoPozos* noPozos;
    frmCoordAbat* coordAbat;
    frmResultados* resultados;
    // The pumping test, in a window of its own that closing hides.
    frmEnsayo* ensayo;
    frmLimites* limites;      // the aquifer's boundaries, from the menu "Análisis"
    frmAcuitardo* acuitardo;  // the aquitard of a leaky aquifer, from the same menu
    // The water level inside every well, in a window of its own as the test.
    frmAbatimientoPozos* abatimientoPozos;
};

}  // namespace abat
