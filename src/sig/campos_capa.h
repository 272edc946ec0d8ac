#pragma once
// Finding a layer's fields by name, as people name them in Spanish or English.

#include <ogrsf_frmts.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace abat {

// A field name in lower case, its accented Latin letters without accent ("Diámetro" is
// "diametro").
std::string sin_acentos(std::string_view nombre);

// The index of the layer's field named as the first of `nombres` that it has (each written in
// lower case without accents); none when it has none of them.
std::optional<int> campo(const OGRFeatureDefn& definicion, const std::vector<std::string>& nombres);

// The layer's field names, listed for a message: "nombre, diam, Q".
std::string lista_de_campos(const OGRFeatureDefn& definicion);

}  // namespace abat
