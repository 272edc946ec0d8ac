#pragma once
// Where the chart's picture "grafico.gif" is written.

#include <string>

namespace abat {

// Beside the program when that directory can be written; otherwise, as for an installed program,
// in the user's application-data directory.
std::string ruta_grafico();

}  // namespace abat
