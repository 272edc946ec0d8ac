#pragma once
// Tables as the windows hold them, for the calculation and chart tests.

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "calc/datos_calculo.h"
#include "calc/limites.h"
#include "model/declaraciones.h"
#include "model/filas.h"
#include "model/grid.h"

namespace abat::prueba {

// The cells of one record, from column 1.
using Celdas = std::vector<std::string>;

// A table of `filas` records; a record's cells are name, diameter, rate, x and y for a well
// (6 columns), name, x and y for a point (4 columns).
inline Grid tabla(int columnas, const std::vector<Celdas>& filas) {
    Grid g(2, columnas, 1, 1);
    for (const Celdas& f : filas) {
        const int r = append_record(g);
        for (size_t c = 0; c < f.size(); ++c) g.setTextMatrix(r, static_cast<int>(c) + 1, f[c]);
    }
    return g;
}
// clang-format off
inline Grid tabla_pozos(const std::vector<Celdas>& filas) { return tabla(6, filas); }
inline Grid tabla_puntos(const std::vector<Celdas>& filas) { return tabla(4, filas); }
// clang-format on

// A confined aquifer: T = 0.01 m2/s and S = 0.0002 unless given.
inline Declaraciones acuifero(double T = 0.01, double S = 0.0002) {
    Declaraciones d;
    d.T = T;
    d.S = S;
    return d;
}

// What a calculation reads from these tables and the time text.
inline DatosCalculo datos_de(const Declaraciones& d, const Grid& pozos, const char* tiempo,
                             const Grid& puntos = tabla_puntos({})) {
    return leer_datos(d, pozos, puntos, tiempo);
}

// `limites` classified with the first well of `d`, as a calculation takes them; they must be
// admitted.
inline void poner_limites(DatosCalculo& d, const std::vector<Limite>& limites) {
    if (limites.empty() || d.pozos.empty()) {
        d.contorno = {};
        return;
    }
    Resuelto<Contorno> c = clasificar_limites(limites, d.pozos.front());
    if (!c) throw std::invalid_argument(c.rechazo());
    d.contorno = std::move(*c);
}

// A well of `gasto` m3/s at (x, y).
inline Pozo pozo_en(double x, double y, double gasto, double diametro = 0.3) {
    return {"P", diametro, {Lectura::numero, gasto}, x, y};
}

// n wells over a square of side `lado` m, every third one injecting.
inline DatosCalculo campo_aleatorio(unsigned semilla, int n, double lado, double T = 0.01,
                                    double S = 2e-4, double tiempo = 1) {
    std::mt19937_64 g(semilla);
    std::uniform_real_distribution<double> lugar(0, lado), gasto(0.005, 0.05);
    DatosCalculo d{{T, S}, tiempo, {}, {}};
    for (int k = 0; k < n; ++k)
        d.pozos.push_back(pozo_en(lugar(g), lugar(g), (k % 3 == 2 ? -1 : 1) * gasto(g)));
    return d;
}

// Row r's cells joined by '|'.
inline std::string fila(const Grid& g, int r) {
    std::string texto;
    for (int c = 0; c < g.Cols(); ++c) {
        if (c > 0) texto += '|';
        texto += g.TextMatrix(r, c);
    }
    return texto;
}

}  // namespace abat::prueba
