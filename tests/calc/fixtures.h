#pragma once
// Tables as the windows hold them, for the calculation tests.

#include <string>
#include <vector>

#include "declaraciones.h"
#include "filas.h"
#include "grid.h"

namespace abat::prueba {

struct FilaPozo {
    std::string nombre, diametro, gasto, x, y;
};
struct FilaPunto {
    std::string nombre, x, y;
};

inline Grid tabla_pozos(const std::vector<FilaPozo>& filas) {
    Grid g(2, 6, 1, 1);
    for (const auto& f : filas) {
        const int r = append_record(g);
        g.setTextMatrix(r, 1, f.nombre);
        g.setTextMatrix(r, 2, f.diametro);
        g.setTextMatrix(r, 3, f.gasto);
        g.setTextMatrix(r, 4, f.x);
        g.setTextMatrix(r, 5, f.y);
    }
    return g;
}

inline Grid tabla_puntos(const std::vector<FilaPunto>& filas) {
    Grid g(2, 4, 1, 1);
    for (const auto& f : filas) {
        const int r = append_record(g);
        g.setTextMatrix(r, 1, f.nombre);
        g.setTextMatrix(r, 2, f.x);
        g.setTextMatrix(r, 3, f.y);
    }
    return g;
}

// The aquifer of the program's worked example: T = 0.01 m2/s, S = 0.0002.
inline Declaraciones acuifero(double T = 0.01, double S = 0.0002) {
    Declaraciones d;
    d.T = T;
    d.S = S;
    return d;
}

}  // namespace abat::prueba
