#include "red.h"

#include <cmath>
#include <utility>

#include "abatimiento.h"
#include "aritmetica.h"

namespace abat {
namespace {

constexpr int pasos = 20;  // grid steps between the two limits of an axis

// 23 coordinates from one step below `desde` on: the 21 of the range plus one beyond each end.
void coordenadas(double desde, double hasta, std::array<double, nodos_por_eje>& eje) {
    const double paso = comprobado(std::fabs(desde - hasta) / pasos, Causa::extension);
    const double inicio = comprobado(desde - paso, Causa::extension);
    int i = 0;
    for (double& c : eje) c = comprobado(inicio + i++ * paso, Causa::extension);
}

}  // namespace

void generar_red(Declaraciones& d, const DatosCalculo& datos, double xmin, double xmax, double ymin,
                 double ymax) {
    coordenadas(xmin, xmax, d.xRed);
    coordenadas(ymin, ymax, d.yRed);
    d.nodos.emplace();
    for (const double x : d.xRed) {
        for (const double y : d.yRed) {
            d.nodo.emplace();
            try {
                d.nodo->setAbat(abatimiento_punto(datos, x, y));
            } catch (ErrorCalculo& e) {
                e.nodo = std::make_pair(x, y);
                d.nodo.reset();
                throw;
            }
            d.nodo->setX(x);
            d.nodo->setY(y);
            d.nodos->Add(d.nodo->x(), d.nodo->y(), d.nodo->abat(), {});
            d.nodo.reset();
        }
    }
}

}  // namespace abat
