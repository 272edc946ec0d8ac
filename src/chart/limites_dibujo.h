#pragma once
// The aquifer's boundaries as the plan chart, the map and the GIS files draw them: each line
// through its two points, of its type, with the side the aquifer lies on.

#include <array>
#include <optional>
#include <vector>

#include "calc/datos_calculo.h"
#include "chart/dibujo_mapa.h"

namespace abat {

struct LimiteDibujo {
    double x1 = 0.0;  // m: the two points the line was given by
    double y1 = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;
    bool barrera = false;  // otherwise a recharge line
    double nx = 0.0;       // the unit normal that points into the aquifer
    double ny = 1.0;
    int linea = 0;  // its row, from 1
    bool operator==(const LimiteDibujo&) const = default;
};

// The boundaries of a calculation's data, admitted; none without boundaries.
std::vector<LimiteDibujo> limites_dibujo(const DatosCalculo& datos);

// The part of a boundary's (endless) line inside the rectangle: x1, y1, x2, y2; none when the line
// misses it.
std::optional<std::array<double, 4>> recortar(const LimiteDibujo& l, double xmin, double xmax,
                                              double ymin, double ymax);

// A view widened to hold the points that give the boundaries, with a twentieth of it around.
VistaMapa con_limites(const VistaMapa& vista, const std::vector<LimiteDibujo>& limites);

}  // namespace abat
