#pragma once
// Study files on disk.

#include <cstdint>
#include <string>

#include "estudio/estudio.h"
#include "estudio/formato_estudio.h"

namespace abat {

// A file this size or larger is refused before it is read: a study of 100,000 wells is 10 MB.
inline constexpr std::int64_t tamano_maximo_estudio = 1'000'000'000;  // 1 GB

// Writes the study whole or not at all, through a temporary file beside it. A file that cannot be
// written raises ErrorCalculo::de_acceso(ruta): error 75 with its path.
void guardar_estudio(const Estudio& estudio, const std::string& ruta);

// Reads the study in the file, or refuses it naming the path: also a file that is missing, a
// folder or not a plain file, that cannot be read, or of tamano_maximo_estudio or more.
Resuelto<Estudio> abrir_estudio(const std::string& ruta);

}  // namespace abat
