#pragma once
// The aquifer's boundaries (their window) and the wells' pumping steps (beside the wells table) as
// a calculation takes them: read and checked against the wells and points it reads.

#include <QString>
#include <optional>

#include "app/ventanas.h"
#include "calc/datos_calculo.h"

namespace abat {

// Why the entries cannot be calculated, and the window that holds what to mend; none: they can.
struct RechazoContorno {
    QString texto;
    QWidget* ventana = nullptr;
};

// Puts the windows' boundaries and steps into `datos`, whose wells and points they are checked
// against, or tells why not (then `datos` keeps none of them).
std::optional<RechazoContorno> completar_datos(Ventanas& v, DatosCalculo& datos);

// Whether the windows hold any boundary or step at all: without, nothing is to check.
bool hay_contorno(Ventanas& v);

}  // namespace abat
