#include "sig/mensajes_sig.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace abat {
namespace {

bool continua_caracter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;  // a UTF-8 continuation byte
}

}  // namespace

std::string cita(std::string_view texto) {
    constexpr size_t largo_maximo = 40;  // characters
    std::string linea;
    size_t caracteres = 0;
    for (const char c : texto) {
        if (!continua_caracter(c) && ++caracteres > largo_maximo) return "«" + linea + "…»";
        linea += (c == '\n' || c == '\r' || c == '\t') ? ' ' : c;
    }
    return "«" + linea + "»";
}

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
