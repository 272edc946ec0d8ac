#include "model/mensajes.h"

#include "model/numeros.h"

namespace abat {
namespace {

constexpr size_t largo_maximo = 40;  // characters

bool continua_caracter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;  // a UTF-8 continuation byte
}

bool de_control(char c) {
    return c == '\n' || c == '\r' || c == '\t';
}

}  // namespace

std::string cita(std::string_view texto) {
    while (!texto.empty() && (es_blanco(texto.front()) || de_control(texto.front())))
        texto.remove_prefix(1);
    while (!texto.empty() && (es_blanco(texto.back()) || de_control(texto.back())))
        texto.remove_suffix(1);
    std::string linea = "«";
    size_t caracteres = 0;
    for (const char c : texto) {
        if (!continua_caracter(c) && ++caracteres > largo_maximo) return linea + "…»";
        linea += de_control(c) ? ' ' : c;
    }
    return linea + "»";
}

}  // namespace abat
