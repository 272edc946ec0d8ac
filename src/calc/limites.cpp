#include "calc/limites.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <tuple>
#include <utility>

#include "model/mensajes.h"
#include "model/numeros.h"

namespace abat {
namespace {

constexpr double pi = std::numbers::pi;

std::string linea(int k) {
    return "la línea " + std::to_string(k);
}

std::string nombrado(const char* que, size_t k, const std::string& nombre) {
    return std::string(que) + " " + std::to_string(k + 1) + " " + cita(nombre);
}

// Degrees with two decimals, whatever the user's locale.
std::string grados(double radianes) {
    std::array<char, 32> texto{};
    const auto fin =
        std::to_chars(texto.begin(), texto.end(), radianes * 180 / pi, std::chars_format::fixed, 2);
    return {texto.begin(), fin.ptr};
}

double cruz(double ax, double ay, double bx, double by) {
    return ax * by - ay * bx;
}

// The angle between two lines, from 0 (parallel) to pi / 2 (perpendicular).
double angulo_entre(const Lado& a, const Lado& b) {
    return std::atan2(std::fabs(cruz(a.dx, a.dy, b.dx, b.dy)),
                      std::fabs(a.dx * b.dx + a.dy * b.dy));
}

bool paralelas(const Lado& a, const Lado& b) {
    return angulo_entre(a, b) <= tolerancia_angular;
}

bool perpendiculares(const Lado& a, const Lado& b) {
    return std::fabs(angulo_entre(a, b) - pi / 2) <= tolerancia_angular;
}

// Where two lines that are not parallel meet.
std::pair<double, double> corte(const Lado& a, const Lado& b) {
    const double t = cruz(b.limite.x1 - a.limite.x1, b.limite.y1 - a.limite.y1, b.dx, b.dy) /
                     cruz(a.dx, a.dy, b.dx, b.dy);
    return {a.limite.x1 + t * a.dx, a.limite.y1 + t * a.dy};
}

// Two parallel lines bound the aquifer only with it between them; and two lines are not one.
void entre(const Lado& a, const Lado& b, const Pozo& primero) {
    if (a.nx * b.nx + a.ny * b.ny < 0) return;  // the inward normals face each other
    const double separacion = a.distancia(b.limite.x1, b.limite.y1);
    const double escala = std::fmax(std::fmax(std::fabs(a.limite.x1), std::fabs(a.limite.y1)), 1.0);
    if (std::fabs(separacion) <= 1e-12 * escala) {
        rechazar("La línea " + std::to_string(b.linea) + " coincide con " + linea(a.linea) + ".");
    }
    const Lado& fuera = separacion > 0 ? a : b;  // behind the other, seen from the well
    const Lado& dentro = separacion > 0 ? b : a;
    rechazar("La línea " + std::to_string(fuera.linea) + " queda fuera del acuífero, tras " +
             linea(dentro.linea) + ": dos líneas paralelas han de tener entre ellas el acuífero, " +
             "con el pozo 1 " + cita(primero.nombre) + ".");
}

// The sector of the first well between two lines that meet: 180° / n, or why not.
Cuna cuna_de(const Lado& a, const Lado& b) {
    const auto [ox, oy] = corte(a, b);
    // Each side's ray from the apex runs along its line into the other line's aquifer side.
    const double s_a = a.dx * b.nx + a.dy * b.ny > 0 ? 1.0 : -1.0;
    const double s_b = b.dx * a.nx + b.dy * a.ny > 0 ? 1.0 : -1.0;
    const std::array<double, 2> ua = {s_a * a.dx, s_a * a.dy};
    const std::array<double, 2> ub = {s_b * b.dx, s_b * b.dy};
    const double giro = cruz(ua[0], ua[1], ub[0], ub[1]);
    const double beta = std::atan2(std::fabs(giro), ua[0] * ub[0] + ua[1] * ub[1]);
    const auto n = static_cast<int>(std::lround(pi / beta));
    const std::string lineas =
        "Las líneas " + std::to_string(a.linea) + " y " + std::to_string(b.linea);
    if (n < 2 || n > 6 || std::fabs(beta - pi / n) > tolerancia_angular) {
        rechazar(lineas + " encierran el acuífero en un ángulo de " + grados(beta) +
                 "°: dos líneas que se cortan han de formar 90°, 60°, 45°, 36° o 30° (180°/n).");
    }
    if (a.tipo() != b.tipo() && n % 2 == 1) {
        rechazar(lineas + " forman una cuña de " + grados(pi / n) +
                 "°: una de recarga y otra de barrera solo se resuelven en cuñas de 90°, 45° o "
                 "30°.");
    }
    const bool antihorario = giro > 0;  // from a's ray to b's
    const Lado& primero = antihorario ? a : b;
    const Lado& segundo = antihorario ? b : a;
    const std::array<double, 2>& rayo = antihorario ? ua : ub;
    return {ox, oy, std::atan2(rayo[1], rayo[0]), n, primero.signo(), segundo.signo()};
}

// A frame at the corner of `a` and `c` (at a's foot of the first well without `c`), its axes
// along their inward normals, the other axis square to the first.
Marco marco_de(const Lado& a, const Lado* c, const Pozo& w) {
    Marco m;
    m.xi_x = a.nx;
    m.xi_y = a.ny;
    const double s = c == nullptr || (-a.ny * c->nx + a.nx * c->ny) > 0 ? 1.0 : -1.0;
    m.eta_x = -s * a.ny;
    m.eta_y = s * a.nx;
    if (c != nullptr) {
        std::tie(m.ox, m.oy) = corte(a, *c);
    } else {
        const double d = a.distancia(w.x, w.y);
        m.ox = w.x - d * a.nx;
        m.oy = w.y - d * a.ny;
    }
    m.signo_xi0 = a.signo();
    return m;
}

// A pair of parallel lines across the frame's axis: the width measured through the first well.
void ancho(const Lado& a, const Lado& b, const Pozo& w, double& ancho, double& signo) {
    ancho = a.distancia(w.x, w.y) + b.distancia(w.x, w.y);
    signo = b.signo();
}

void tres_lineas(Contorno& c, const Pozo& w) {
    const std::vector<Lado>& l = c.lados;
    constexpr std::array<std::array<int, 3>, 3> pares = {{{0, 1, 2}, {0, 2, 1}, {1, 2, 0}}};
    int cuantas = 0;
    std::array<int, 3> par{};
    for (const auto& p : pares) {
        if (paralelas(l[p[0]], l[p[1]])) {
            ++cuantas;
            par = p;
        }
    }
    const std::string regla =
        "con tres líneas, dos han de ser paralelas y la tercera perpendicular a ellas.";
    if (cuantas == 0) rechazar("Ninguna de las líneas 1, 2 y 3 es paralela a otra: " + regla);
    if (cuantas > 1) rechazar("Las líneas 1, 2 y 3 son paralelas: " + regla);
    const Lado& a = l[par[0]];
    const Lado& b = l[par[1]];
    const Lado& t = l[par[2]];
    if (!perpendiculares(t, a)) {
        rechazar("La línea " + std::to_string(t.linea) + " no es perpendicular a las líneas " +
                 std::to_string(a.linea) + " y " + std::to_string(b.linea) + ": " + regla);
    }
    entre(a, b, w);
    c.disposicion = Disposicion::franja_cerrada;
    c.marco = marco_de(a, &t, w);
    ancho(a, b, w, c.marco.ancho_xi, c.marco.signo_xi1);
    c.marco.signo_eta0 = t.signo();
}

void cuatro_lineas(Contorno& c, const Pozo& w) {
    const std::vector<Lado>& l = c.lados;
    const std::string regla =
        ": cuatro líneas han de formar un rectángulo, dos pares de paralelas perpendiculares "
        "entre sí.";
    std::vector<int> pareja;
    for (int j = 1; j < 4; ++j) {
        if (paralelas(l[0], l[j])) pareja.push_back(j);
    }
    if (pareja.size() != 1) {
        rechazar(std::string(pareja.empty() ? "La línea 1 no es paralela a ninguna otra"
                                            : "La línea 1 es paralela a más de una") +
                 regla);
    }
    std::vector<int> otras;
    for (int j = 1; j < 4; ++j) {
        if (j != pareja[0]) otras.push_back(j);
    }
    const Lado& a = l[0];
    const Lado& b = l[static_cast<size_t>(pareja[0])];
    const Lado& d = l[static_cast<size_t>(otras[0])];
    const Lado& e = l[static_cast<size_t>(otras[1])];
    for (const Lado* k : {&d, &e}) {
        if (!perpendiculares(*k, a)) {
            rechazar("La línea " + std::to_string(k->linea) + " no es perpendicular a " + linea(1) +
                     regla);
        }
    }
    entre(a, b, w);
    entre(d, e, w);
    c.disposicion = Disposicion::rectangulo;
    c.marco = marco_de(a, &d, w);
    ancho(a, b, w, c.marco.ancho_xi, c.marco.signo_xi1);
    ancho(d, e, w, c.marco.ancho_eta, c.marco.signo_eta1);
    c.marco.signo_eta0 = d.signo();
}

// Which of a record's texts is read, and how it is named in a message.
const std::array<std::pair<std::string LimiteTexto::*, const char*>, 4> coordenadas = {
    {{&LimiteTexto::x1, "x1[m]"},
     {&LimiteTexto::y1, "y1[m]"},
     {&LimiteTexto::x2, "x2[m]"},
     {&LimiteTexto::y2, "y2[m]"}}};

// The line of `l`, row `numero`, with its normal towards the first well.
Lado lado_de(const Limite& l, int numero, const Pozo& w) {
    const double largo = std::hypot(l.x2 - l.x1, l.y2 - l.y1);
    if (!(largo > 0) || !std::isfinite(largo)) {
        rechazar("La línea " + std::to_string(numero) +
                 (largo > 0 ? " es demasiado larga para calcularla."
                            : " no tiene longitud: sus dos puntos coinciden."));
    }
    const double dx = (l.x2 - l.x1) / largo;
    const double dy = (l.y2 - l.y1) / largo;
    Lado lado{l, numero, dx, dy, -dy, dx};
    const double d = lado.distancia(w.x, w.y);
    if (d == 0) {
        rechazar("El pozo 1 " + cita(w.nombre) + " está sobre " + linea(numero) +
                 ": el acuífero queda del lado de cada línea donde está el pozo 1.");
    }
    if (d < 0) {
        lado.nx = -lado.nx;
        lado.ny = -lado.ny;
    }
    return lado;
}

Contorno clasificar(const std::vector<Limite>& limites, const Pozo& w) {
    Contorno c;
    if (limites.empty()) return c;
    if (limites.size() > 4) rechazar("Se admiten a lo sumo cuatro líneas: " + linea(5) + " sobra.");
    for (size_t k = 0; k < limites.size(); ++k)
        c.lados.push_back(lado_de(limites[k], static_cast<int>(k) + 1, w));
    const std::vector<Lado>& l = c.lados;
    switch (l.size()) {
        case 1:
            c.disposicion = Disposicion::linea;
            break;
        case 2:
            if (paralelas(l[0], l[1])) {
                entre(l[0], l[1], w);
                c.disposicion = Disposicion::franja;
                c.marco = marco_de(l[0], nullptr, w);
                ancho(l[0], l[1], w, c.marco.ancho_xi, c.marco.signo_xi1);
            } else {
                c.cuna = cuna_de(l[0], l[1]);
                c.disposicion = Disposicion::cuna;
            }
            break;
        case 3:
            tres_lineas(c, w);
            break;
        default:
            cuatro_lineas(c, w);
            break;
    }
    return c;
}

// Every well and point inside the aquifer, or why not, naming the first one in the tables' order.
void dentro_del_contorno(const Contorno& contorno, const std::vector<Pozo>& pozos,
                         const std::vector<Punto>& puntos) {
    const auto comprobar = [&](const char* que, size_t k, const std::string& nombre, double x,
                               double y) {
        for (const Lado& l : contorno.lados) {
            const double d = l.distancia(x, y);
            if (d > 0) continue;
            rechazar("El " + nombrado(que, k, nombre) +
                     (d == 0 ? " está sobre " : " está al otro lado de ") + linea(l.linea) + " (" +
                     nombre_tipo(l.tipo()) +
                     "), fuera del acuífero: el acuífero queda del lado de cada línea donde está "
                     "el pozo 1.");
        }
    };
    for (size_t k = 0; k < pozos.size(); ++k)
        comprobar("pozo", k, pozos[k].nombre, pozos[k].x, pozos[k].y);
    for (size_t j = 0; j < puntos.size(); ++j)
        comprobar("punto", j, puntos[j].nombre, puntos[j].x, puntos[j].y);
}

std::vector<Limite> leer(const std::vector<LimiteTexto>& textos) {
    std::vector<Limite> limites;
    for (size_t k = 0; k < textos.size(); ++k) {
        const LimiteTexto& t = textos[k];
        Limite limite;
        if (t.tipo == texto_recarga || t.tipo == texto_barrera) {
            limite.tipo = t.tipo == texto_recarga ? TipoLimite::recarga : TipoLimite::barrera;
        } else {
            rechazar("La línea " + std::to_string(k + 1) +
                     " no es de recarga ni barrera: su tipo es " + cita(t.tipo) + ".");
        }
        std::array<double, 4> v{};
        for (size_t i = 0; i < coordenadas.size(); ++i) {
            const auto& [campo, nombre] = coordenadas[i];
            const LecturaEstricta lectura = leer_estricto(t.*campo);
            if (!lectura.ok()) {
                rechazar(
                    "En " + linea(static_cast<int>(k) + 1) + ", " + cita(t.*campo) + " no es " +
                    (lectura.estado == Lectura::fuera_de_rango ? "un número que se pueda calcular"
                                                               : "un valor numérico") +
                    " para " + nombre + ".");
            }
            v[i] = lectura.valor;
        }
        limite.x1 = v[0];
        limite.y1 = v[1];
        limite.x2 = v[2];
        limite.y2 = v[3];
        limites.push_back(limite);
    }
    return limites;
}

}  // namespace

bool Contorno::contiene(double x, double y) const {
    return std::ranges::all_of(lados, [&](const Lado& l) { return l.distancia(x, y) >= 0; });
}

Resuelto<std::vector<Limite>> leer_limites(const std::vector<LimiteTexto>& textos) {
    return resolver([&] { return leer(textos); });
}

Resuelto<Contorno> clasificar_limites(const std::vector<Limite>& limites, const Pozo& primero) {
    return resolver([&] { return clasificar(limites, primero); });
}

Resuelto<Contorno> admitir_limites(const std::vector<LimiteTexto>& textos,
                                   const std::vector<Pozo>& pozos,
                                   const std::vector<Punto>& puntos) {
    return resolver([&] {
        const std::vector<Limite> limites = leer(textos);
        if (limites.empty() || pozos.empty()) return Contorno{};
        Contorno c = clasificar(limites, pozos.front());
        dentro_del_contorno(c, pozos, puntos);
        return c;
    });
}

}  // namespace abat
