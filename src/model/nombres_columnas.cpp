#include "model/nombres_columnas.h"

#include <array>
#include <cctype>

namespace abat {
namespace {

struct Nombres {
    Dato dato;
    std::vector<std::string> nombres;  // compared, as nombre_comparable gives them
    const char* lista;
};

const std::array<Nombres, 5>& todos() {
    static const std::array<Nombres, 5> n = {{
        {Dato::nombre, {"nombre", "name", "id", "pozo", "punto"}, "nombre, name, id, pozo o punto"},
        {Dato::diametro, {"diametro", "diameter"}, "diámetro o diameter"},
        {Dato::caudal, {"caudal", "gasto", "rate", "q"}, "caudal, gasto, rate o q"},
        {Dato::x,
         {"x", "este", "easting", "utm x", "coordenada x"},
         "x, este, easting, utm x o coordenada x"},
        {Dato::y,
         {"y", "norte", "northing", "utm y", "coordenada y"},
         "y, norte, northing, utm y o coordenada y"},
    }};
    return n;
}

const Nombres& de(Dato dato) {
    return todos()[static_cast<size_t>(dato)];
}

}  // namespace

std::string sin_acentos(std::string_view nombre) {
    // The letters of U+00C0 to U+00FF without their marks, in lower case ('.' where none fits).
    static constexpr std::string_view latinas =
        "aaaaaaaceeeeiiiidnooooo.ouuuuy..aaaaaaaceeeeiiiidnooooo.ouuuuy.y";
    std::string s;
    for (size_t i = 0; i < nombre.size(); ++i) {
        const auto c = static_cast<unsigned char>(nombre[i]);
        const auto siguiente =
            i + 1 < nombre.size() ? static_cast<unsigned char>(nombre[i + 1]) : 0;
        if (c == 0xC3 && siguiente >= 0x80 && siguiente <= 0xBF) {
            s += latinas[siguiente - 0x80];
            ++i;
        } else {
            s += static_cast<char>(std::tolower(c));
        }
    }
    return s;
}

std::string nombre_comparable(std::string_view nombre) {
    std::string s;
    int entre = 0;  // brackets or parentheses open: a unit
    for (const char c : sin_acentos(nombre)) {
        if (c == '[' || c == '(') ++entre;
        const bool blanco = std::isspace(static_cast<unsigned char>(c)) != 0 || c == '_';
        if (entre == 0 && !blanco) s += c;
        if (entre == 0 && blanco && !s.empty() && s.back() != ' ') s += ' ';
        if ((c == ']' || c == ')') && entre > 0) --entre;
    }
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

const std::vector<std::string>& nombres_de(Dato dato) {
    return de(dato).nombres;
}

std::string lista_de_nombres(Dato dato) {
    return de(dato).lista;
}

std::optional<Dato> dato_nombrado(std::string_view nombre) {
    const std::string buscado = nombre_comparable(nombre);
    for (const Nombres& n : todos()) {
        for (const std::string& otro : n.nombres) {
            if (otro == buscado) return n.dato;
        }
    }
    return std::nullopt;
}

}  // namespace abat
