#pragma once
// The aquifer's boundaries: straight lines, each a recharge line (the drawdown is 0 on it) or a
// barrier (no flow across it), in the arrangements whose images reproduce both conditions
// exactly: one line; two parallel lines (a strip); two parallel lines closed by a third
// perpendicular to them; four forming a rectangle; two meeting at 180°/n, n = 2 to 6 (a wedge; 90°
// is a quadrant). The aquifer lies on the side of each line where the first well is.

#include <string>
#include <vector>

#include "calc/datos_calculo.h"
#include "model/registros.h"

namespace abat {

enum class Disposicion { ninguna, linea, franja, franja_cerrada, rectangulo, cuna };

// How far two lines' directions may part from parallel, perpendicular or 180°/n and still be
// taken as such: 0.03°, a metre across three kilometres. The images take the angle as exact.
inline constexpr double tolerancia_angular = 5e-4;  // rad

// A boundary line with its aquifer side: through (px, py) along the unit vector (dx, dy), (nx, ny)
// the unit normal that points into the aquifer.
struct Lado {
    double px = 0.0;
    double py = 0.0;
    double dx = 1.0;
    double dy = 0.0;
    double nx = 0.0;
    double ny = 1.0;
    TipoLimite tipo = TipoLimite::barrera;
    int linea = 0;  // its row in the boundaries' table, from 1
    // From the line, positive on the aquifer's side, m.
    double distancia(double x, double y) const { return (x - px) * nx + (y - py) * ny; }
    // An image's rate: the well's across a barrier, its opposite across a recharge line.
    double signo() const { return tipo == TipoLimite::barrera ? 1.0 : -1.0; }
};

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

    // Inside the aquifer or on a boundary.
    bool contiene(double x, double y) const;
};

// The boundaries as the calculation takes them, read from their texts with the strict rule; or why
// they are refused, in Spanish, naming the line ("la línea 2").
struct LecturaLimites {
    std::vector<Limite> limites;
    std::string rechazo;  // empty: read
};
LecturaLimites leer_limites(const std::vector<LimiteTexto>& textos);

// The arrangement of the lines with the aquifer on the side of the first well, or why it is not
// one of the arrangements above, naming the lines (or the first well, when it lies on one).
struct Clasificacion {
    Contorno contorno;
    std::string rechazo;  // empty: admitted
};
Clasificacion clasificar_limites(const std::vector<Limite>& limites, const Pozo& primero);

// Why a well or a point lies on a boundary or beyond it ("El pozo 3 «P3» está ..."), naming the
// first one in the tables' order; empty when every one is inside the aquifer.
std::string fuera_del_contorno(const Contorno& contorno, const std::vector<Pozo>& pozos,
                               const std::vector<Punto>& puntos);

// The boundaries of the texts with the wells and points of a calculation: read, arranged, every
// well and point inside; or why not (the first reason found).
LecturaLimites admitir_limites(const std::vector<LimiteTexto>& textos,
                               const std::vector<Pozo>& pozos, const std::vector<Punto>& puntos);

// The aquifer of a calculation's data, whose boundaries were admitted: unbounded without
// boundaries or without wells. Raises std::invalid_argument for boundaries that would be refused.
Contorno contorno_de(const DatosCalculo& datos);

// "Recarga" or "Barrera", as the cell shows it.
const char* texto_tipo(TipoLimite tipo);

}  // namespace abat
