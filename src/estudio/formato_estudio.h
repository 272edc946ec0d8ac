#pragma once
// The study file (.abat): UTF-8 JSON holding the study's texts. Writing and reading the bytes;
// archivo_estudio.h reads and writes the files.

#include <optional>
#include <string>
#include <string_view>

#include "estudio/estudio.h"
#include "model/rechazo.h"

namespace abat {

// The file's text: indented, one record a line, always the same bytes for the same study. A
// text that is not UTF-8 is written with U+FFFD in place of each bad sequence.
std::string escribir_estudio(const Estudio& estudio);

// The refusal of the file shown as `nombre`, for a reason in Spanish: "No se puede abrir «NOMBRE»:
// MOTIVO.".
Rechazo rechazo_de_estudio(const std::string& nombre, const std::string& motivo);

// Reads a study from a file's bytes; `nombre` names the file in a refusal. A JSON number is read
// as the program writes it (number_to_text), keys it does not know are ignored, a missing table
// or box is empty. Refused: not JSON, not UTF-8, cut short, nested too deep, not of this format,
// of a later version, a value of the wrong kind, a record with a field missing or one too many.
Resuelto<Estudio> leer_estudio(std::string_view bytes, const std::string& nombre);

}  // namespace abat
