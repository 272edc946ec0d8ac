#pragma once
// Files written whole or not at all.

#include <functional>
#include <string>

class QIODevice;

namespace abat {

// `escribir` writes into a temporary file beside `ruta`, which is renamed once it is complete; a
// step that fails leaves the file as it was and no temporary file. Raises the path-access
// ErrorCalculo naming `ruta`, with the system's cause in Spanish, when `escribir` gives false or
// the file cannot be written.
void escribir_entero(const std::string& ruta, const std::function<bool(QIODevice&)>& escribir);

}  // namespace abat
