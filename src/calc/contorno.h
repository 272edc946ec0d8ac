#pragma once
// The aquifer's boundaries as a calculation takes them, classified once: straight lines, each a
// recharge line (the drawdown is 0 on it) or a barrier (no flow across it), in the arrangements
// whose images reproduce both conditions exactly: one line; two parallel lines (a strip); two
// parallel lines closed by a third perpendicular to them; four forming a rectangle; two meeting
// at 180°/n, n = 2 to 6 (a wedge; 90° is a quadrant). The aquifer lies on the side of each line
// where the first well is.

#include <vector>

#include "model/registros.h"

namespace abat {

enum class Disposicion { ninguna, linea, franja, franja_cerrada, rectangulo, cuna };

// Strips, closed strips and rectangles in a frame at a corner of the aquifer (at a point of the
// first line for a strip), its axes xi and eta along the aquifer's inward normals: the aquifer is
// 0 <= xi <= ancho_xi and, across, 0 <= eta <= ancho_eta where those lines exist.
struct Marco {
    double ox = 0.0;
    double oy = 0.0;
    double xi_x = 1.0;  // the unit axes
    double xi_y = 0.0;
    double eta_x = 0.0;
    double eta_y = 1.0;
    double ancho_xi = 0.0;   // m, between the two parallel lines
    double ancho_eta = 0.0;  // m, a rectangle's other side
    // The images' signs across the lines xi = 0, xi = ancho_xi, eta = 0 and eta = ancho_eta.
    double signo_xi0 = 1.0;
    double signo_xi1 = 1.0;
    double signo_eta0 = 1.0;
    double signo_eta1 = 1.0;
};

// A wedge of 180°/n from its apex, from the first side (at angle `angulo`) anticlockwise to the
// second.
struct Cuna {
    double ox = 0.0;
    double oy = 0.0;
    double angulo = 0.0;  // rad
    int n = 2;
    double signo_primero = 1.0;
    double signo_segundo = 1.0;
};

struct Contorno {
    Disposicion disposicion = Disposicion::ninguna;
    std::vector<Lado> lados;  // in the rows' order
    Marco marco;              // strips, closed strips and rectangles
    Cuna cuna;

    bool vacio() const { return lados.empty(); }
    // Inside the aquifer or on a boundary.
    bool contiene(double x, double y) const;
};

}  // namespace abat
