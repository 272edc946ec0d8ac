#include "sig/campos_capa.h"

#include <array>
#include <cctype>

namespace abat {

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

std::optional<int> campo(const OGRFeatureDefn& definicion,
                         const std::vector<std::string>& nombres) {
    for (const std::string& buscado : nombres) {
        for (int i = 0; i < definicion.GetFieldCount(); ++i) {
            if (sin_acentos(definicion.GetFieldDefn(i)->GetNameRef()) == buscado) return i;
        }
    }
    return std::nullopt;
}

std::string lista_de_campos(const OGRFeatureDefn& definicion) {
    std::string lista;
    for (int i = 0; i < definicion.GetFieldCount(); ++i) {
        lista += (i > 0 ? ", " : "") + std::string(definicion.GetFieldDefn(i)->GetNameRef());
    }
    return lista;
}

}  // namespace abat
