#pragma once
// What one calculation reads from the windows, converted once: nothing can change the cells
// while a calculation runs.

#include <string_view>
#include <vector>

#include "declaraciones.h"
#include "grid.h"
#include "numeros.h"

namespace abat {

struct Pozo {
    double diametro = 0.0;  // m
    double x = 0.0;         // m
    double y = 0.0;         // m
    LecturaEstricta gasto;  // pumping rate, m3/s: strict rule, so it may not be a number
};

struct DatosCalculo {
    double T = 0.0;       // m2/s
    double S = 0.0;       //
    double tiempo = 0.0;  // days
    std::vector<Pozo> pozos;
};

// Reads the wells of the wells table (records 1 to Rows - 2) and the time text in days.
DatosCalculo leer_datos(const Declaraciones& d, const Grid& tablaPozos, std::string_view tiempo);

}  // namespace abat
