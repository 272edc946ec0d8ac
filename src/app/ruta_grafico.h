#pragma once
// Where the chart's picture "grafico.gif" is written.

#include <QString>
#include <string>

namespace abat {

// Beside the program, in `directorioPrograma`, when that can be written and is not the directory
// the program is installed in; otherwise in the user's application-data directory.
std::string ruta_grafico(const QString& directorioPrograma);

}  // namespace abat
