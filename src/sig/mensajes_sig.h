#pragma once
// Pieces of the GIS adapters' messages.

#include <string>
#include <string_view>

namespace abat {

// A text from a file quoted in a message: «text», on one line, cut at 40 characters with '…',
// so the message box fits the screen whatever the file held.
std::string cita(std::string_view texto);

// The file's name without its folders, quoted.
std::string cita_archivo(const std::string& ruta);

// The extension in lower case, without the dot.
std::string extension(const std::string& ruta);

}  // namespace abat
