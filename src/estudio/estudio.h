#pragma once
// A study: everything the user entered, as the texts of the boxes and cells hold them, so that a
// study saved and opened again computes the same results.

#include <optional>
#include <string>
#include <vector>

namespace abat {

struct Estudio {
    struct Pozo {
        std::string nombre;
        std::string diametro;
        std::string caudal;
        std::string x;
        std::string y;
        bool operator==(const Pozo&) const = default;
    };
    struct Punto {
        std::string nombre;
        std::string x;
        std::string y;
        bool operator==(const Punto&) const = default;
    };

    std::string T;  // the aquifer's boxes: transmissivity and storage coefficient
    std::string S;
    std::vector<Pozo> pozos;
    std::vector<Punto> puntos;
    std::string tiempo;  // days
    // The coordinates' reference system as written ("EPSG:25830"); none: local coordinates.
    std::optional<std::string> crs;

    bool operator==(const Estudio&) const = default;
};

}  // namespace abat
