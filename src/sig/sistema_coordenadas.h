#pragma once
// The study's coordinate reference system: none (local coordinates, the default) or one that
// EPSG names, checked and named through PROJ. Wells and points are in metres, so only systems
// projected in metres are taken.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/rechazo.h"

namespace abat {

struct Sistema {
    int epsg = 0;  // 0: no system
    std::string nombre = "Sin sistema (coordenadas locales)";

    bool tiene() const { return epsg != 0; }
    bool operator==(const Sistema&) const = default;
};

// The systems offered in Spain, no system first: ETRS89 / UTM 28N to 31N, REGCAN95 / UTM 27N and
// 28N (the Canary Islands), WGS 84 / UTM 29N to 31N.
const std::vector<Sistema>& sistemas_ofrecidos();

// As the user reads it in a list: "EPSG:25830 · ETRS89 / UTM huso 30N", or the name of no system.
std::string etiqueta(const Sistema& sistema);

// A system typed as "EPSG:25830" or "25830" (case and blanks aside): the system, named, or why it
// is refused.
Resuelto<Sistema> leer_sistema(std::string_view texto);

}  // namespace abat
