#pragma once
// The five windows of the program, each created once and then only shown and hidden.

#include "MDIForm1.h"
#include "declaraciones.h"
#include "dialogos.h"
#include "frmCaracteristicas.h"
#include "frmCoordAbat.h"
#include "frmNoPozos.h"
#include "frmResultados.h"

namespace abat {

struct Ventanas {
    Ventanas(Declaraciones& d, Dialogos& dialogos);

    MDIForm1 principal;
    // Owned by the main window's client area.
    frmCaracteristicas* caracteristicas;
    frmNoPozos* noPozos;
    frmCoordAbat* coordAbat;
    frmResultados* resultados;
};

}  // namespace abat
