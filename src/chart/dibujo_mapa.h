#pragma once
// The drawdown map as it is drawn: the total drawdown over a grid as fine as the view, filled in
// colour bands under its isolines, the wells (pumping, stopped or injecting) and the points with
// their names, axes in metres at one scale across and up, a colour bar and a scale bar.

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "chart/equidistancia.h"
#include "model/geometria.h"
#include "model/registros.h"
#include "model/rejilla.h"

namespace abat {

struct MarcaMapa {
    std::string nombre;
    double x = 0.0;  // m
    double y = 0.0;
    EstadoPozo estado = EstadoPozo::bombeo;  // a well's at the map's time
};

struct MarcasMapa {
    std::vector<MarcaMapa> pozos;
    std::vector<MarcaMapa> puntos;
    // The aquifer's boundaries; none without them.
    std::vector<Lado> limites = {};
};

struct DibujoMapa {
    Caja vista;             // at one scale across and up on the plot area
    Rejilla rejilla;        // the total drawdown at each node, m
    double tiempo = 0.0;    // days
    Equidistancia niveles;  // the isolines' interval and levels; none when the field is flat
    std::vector<Isolinea> isolineas;
    double minimo = 0.0;  // of the nodes' values
    double maximo = 0.0;
    // The colour ramp's ends when it keeps those of the map shown (the same map at another
    // resolution, whose values may reach into fewer bands); the values' own otherwise.
    std::optional<std::pair<double, double>> rampa;
    std::shared_ptr<const MarcasMapa> marcas;
    std::string sistema;  // the coordinates' system as the user reads it; empty: local
};

// A scale bar's length: the 1, 2 or 5 x 10^n metres closest below `pixeles` pixels long.
double longitud_escala(double metros_por_pixel, double pixeles = 120);

}  // namespace abat
