#pragma once
// A well field for the map's benchmarks: n wells at random over 2 km, one in ten injecting, the
// same field at every run.

#include <random>
#include <string>

#include "calc/datos_calculo.h"

namespace abat {

inline Declaraciones acuifero(double T, double S) {
    Declaraciones d;
    d.T = T;
    d.S = S;
    return d;
}

inline DatosCalculo campo_al_azar(int n) {
    std::mt19937_64 g(1);
    std::uniform_real_distribution<double> lugar(0, 2000);
    std::uniform_real_distribution<double> gasto(0.001, 0.02);
    DatosCalculo d{{0.01, 0.0002}, 30, {}, {}};
    for (int k = 0; k < n; ++k) {
        const double q = (k % 10 == 9 ? -1 : 1) * gasto(g);
        const double x = lugar(g);
        d.pozos.push_back({"P" + std::to_string(k), 0.3, {Lectura::numero, q}, x, lugar(g)});
    }
    return d;
}

}  // namespace abat
