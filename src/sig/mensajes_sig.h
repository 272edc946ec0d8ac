#pragma once
// Pieces of the GIS adapters' messages.

#include <string>

#include "model/mensajes.h"

namespace abat {

// The file's name without its folders, quoted.
std::string cita_archivo(const std::string& ruta);

// The extension in lower case, without the dot.
std::string extension(const std::string& ruta);

}  // namespace abat
