#include "sig/mensajes_sig.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace abat {
std::string cita_archivo(const std::string& ruta) {
    return cita(std::filesystem::path(ruta).filename().string());
}

std::string extension(const std::string& ruta) {
    std::string e = std::filesystem::path(ruta).extension().string();
    if (!e.empty()) e.erase(0, 1);
    std::transform(e.begin(), e.end(), e.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return e;
}

}  // namespace abat
