#pragma once
// A study: everything the user entered, as the texts of the boxes and cells hold them, so that a
// study saved and opened again computes the same results.

#include <optional>
#include <string>
#include <vector>

#include "model/ensayo.h"
#include "model/registros.h"

namespace abat {

struct Estudio {
    std::string T;  // the aquifer's boxes: transmissivity and storage coefficient
    std::string S;
    std::vector<PozoTexto> pozos;
    std::vector<PuntoTexto> puntos;
    std::string tiempo;  // days
    // The coordinates' reference system as written ("EPSG:25830"); none: local coordinates.
    std::optional<std::string> crs;
    // The pumping test the aquifer may be fitted to; empty: none.
    EnsayoTexto ensayo;

    bool operator==(const Estudio&) const = default;
};

}  // namespace abat
