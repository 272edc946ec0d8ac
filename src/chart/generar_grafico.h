#pragma once
// The plan chart of the results: wells, points and the drawdown grid coloured by class, written
// as a GIF picture and shown in the results window.

#include <array>
#include <functional>
#include <string>

#include "calc/datos_calculo.h"
#include "chart/motor_grafico.h"
#include "model/declaraciones.h"

namespace abat {

struct DestinoGrafico {
    std::string archivo;                              // the GIF file to write
    std::function<void(const std::string&)> mostrar;  // loads that file into the results window
};

// Adds one series for each class whose block has nodes, in class order, numbered from 3; each
// range ends at its class's row counter.
void agregar_series_de_clases(MotorGrafico& motor, const std::array<int, 7>& contadores);

// Builds the chart with `motor`: the wells and points series first, the drawdown grid over the
// axis limits the engine chose for them, then one series per drawdown class that has nodes.
// Raises ErrorCalculo from the grid, the axes and the picture file.
void generar_grafico(Declaraciones& d, const DatosCalculo& datos, MotorGrafico& motor,
                     const DestinoGrafico& destino);

}  // namespace abat
