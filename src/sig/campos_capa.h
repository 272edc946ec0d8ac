#pragma once
// Finding a layer's fields by name, as people name them in Spanish or English.

#include <ogrsf_frmts.h>

#include <optional>
#include <string>

#include "model/nombres_columnas.h"

namespace abat {

// The index of the layer's field named as the first of the names of `dato` that it has (case,
// accents and units aside, as nombre_comparable compares them); none when it has none of them.
std::optional<int> campo(const OGRFeatureDefn& definicion, Dato dato);

// The layer's field names, listed for a message: "nombre, diam, Q".
std::string lista_de_campos(const OGRFeatureDefn& definicion);

}  // namespace abat
