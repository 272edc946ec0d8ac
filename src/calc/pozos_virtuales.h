#pragma once
// The wells a drawdown adds up at one time. A well's pumping steps begun by then, each a well at
// the same place pumping the change of rate from its start on; and across the aquifer's boundaries
// the images of each, the rate's sign kept across a barrier and turned across a recharge line. To
// the engine and the exact path alike each is one more well.
//
// One line mirrors each well once, a wedge of 180°/n 2n - 1 times. Between parallel lines the
// images are an infinite series, truncated at each time so that the images left out add at most
// tolerancia_imagenes anywhere in the aquifer: an image at distance d from the aquifer adds there
// at most |k| W(S d^2 / (4 T t)) (W decreases), the rings of images beyond ring R lie at least
// (R - 1) times the strip's width from it, and what they add is bounded by a sum that converges
// fast. A quarter of the tolerance goes to the rings left out, the rest to the images of the rings
// kept whose bounds are smallest.
//
// At long times the images of a strip or rectangle would be millions: a step pumping longer than
// the split time (autofunciones.h) is summed as images only up to it, and the series of the
// aquifer's modes adds the rest of its time. Of the tolerance, a fiftieth then goes to the modes
// left out, the rest to the images as above, at every time, so the images kept do not change as
// a step passes the split time.
//
// In a leaky aquifer an image also adds at most 2 K0(d / B) (FuncionPozo::cota), which falls as
// e^(-d / B): the rings kept are bounded by that too.

#include <cstddef>
#include <limits>
#include <memory>
#include <vector>

#include "calc/autofunciones.h"
#include "calc/datos_calculo.h"
#include "model/numeros.h"

namespace abat {

inline constexpr double tolerancia_imagenes = 5e-5;  // m
// The most wells (steps and their images) one time may add: a million fill about 110 MB.
inline constexpr size_t maximo_virtuales = 1'000'000;

struct PozoVirtual {
    size_t pozo = 0;        // the well it stands for, from 0
    double diametro = 0.0;  // the well's, m
    LecturaEstricta
        caudal;      // the step's change of rate, m3/s; across a recharge line, its opposite
    double x = 0.0;  // m
    double y = 0.0;
    double desde = 0.0;  // days: when its step begins
    // Days: the longest pumping time it is summed for; its step's time beyond that is the
    // series' (Virtuales::serie).
    double duracion = std::numeric_limits<double>::infinity();
};

struct Virtuales {
    // Well after well; each well's steps begun by then in their order, each first at the well and
    // then its images.
    std::vector<PozoVirtual> pozos;
    std::vector<size_t> inicio;  // well k's are pozos[inicio[k]] to pozos[inicio[k + 1] - 1]
    // m: at most what the images and modes left out add, anywhere in the aquifer
    double omitido = 0.0;
    // The steps' time beyond the split time; none when no step pumps that long.
    std::shared_ptr<const Autofunciones> serie;
};

// The wells of `datos` (boundaries admitted) after `tiempo` days, the images and modes left out
// adding at most `tolerancia`. Raises the overflow ErrorCalculo, blamed on the time, where more
// than maximo_virtuales would be needed.
Virtuales pozos_virtuales(const DatosCalculo& datos, double tiempo,
                          double tolerancia = tolerancia_imagenes);

}  // namespace abat
