#pragma once
// Columns and fields named as engineers name them, in Spanish or English: a spreadsheet's header,
// a layer's fields. Case, accents, units in brackets or parentheses and blanks aside.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace abat {

// What a record's column holds.
enum class Dato { nombre, diametro, caudal, x, y };

// A name in lower case, its accented Latin letters without accent ("Diámetro" is "diametro").
std::string sin_acentos(std::string_view nombre);

// A name as it is compared: without accents, case, units ("Caudal [m3/s]", "X (m)"), and with
// blanks and underscores as one blank ("UTM_X" is "utm x").
std::string nombre_comparable(std::string_view nombre);

// The names each datum goes by, compared so, in the order they are looked for: nombre, name, id,
// pozo, punto; diametro, diameter; caudal, gasto, rate, q; x, este, easting, utm x, coordenada x;
// and y so, with norte and northing.
const std::vector<std::string>& nombres_de(Dato dato);

// Those names as a message lists them: "diámetro o diameter".
std::string lista_de_nombres(Dato dato);

// The datum a column's name names, if any.
std::optional<Dato> dato_nombrado(std::string_view nombre);

}  // namespace abat
