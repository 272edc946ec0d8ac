#pragma once
// The keys of a study file's records, in the order the file writes them, shared by the writer and
// the reader so the two cannot part.

#include <array>
#include <string_view>

#include "estudio/estudio.h"

namespace abat::campos {

inline constexpr std::array<const char*, 5> pozo = {"nombre", "diametro", "caudal", "x", "y"};
inline constexpr std::array<const char*, 3> punto = {"nombre", "x", "y"};

inline std::array<std::string_view, 5> textos(const PozoTexto& p) {
    return {p.nombre, p.diametro, p.caudal, p.x, p.y};
}
inline std::array<std::string_view, 3> textos(const PuntoTexto& p) {
    return {p.nombre, p.x, p.y};
}

}  // namespace abat::campos
