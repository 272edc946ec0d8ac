#include "calc/red.h"

#include <cmath>
#include <utility>
#include <vector>

#include "calc/abatimiento.h"
#include "calc/aritmetica.h"
#include "calc/campo_pozos.h"
#include "model/clases_abatimiento.h"

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

// The chart shows a node's drawdown only as its class: a value that may lie on the other side of
// a class bound than the exact path's is computed by the exact path.
bool cerca_de_un_limite(double abat, double cota) {
    for (int k = 1; k < numero_clases; ++k) {
        if (std::fabs(abat - 10.0 * k) <= cota) return true;
    }
    return false;
}

}  // namespace

void generar_red(Declaraciones& d, const DatosCalculo& datos, double xmin, double xmax, double ymin,
                 double ymax) {
    coordenadas(xmin, xmax, d.xRed);
    coordenadas(ymin, ymax, d.yRed);
    std::vector<double> x;
    std::vector<double> y;
    for (const double xr : d.xRed) {
        for (const double yr : d.yRed) {
            x.push_back(xr);
            y.push_back(yr);
        }
    }
    const Totales t = totales_en_el_acuifero(CampoPozos(datos), datos.tiempo, x, y);
    d.nodos.emplace();
    for (size_t i = 0; i < t.valores.size(); ++i) {
        d.nodo.emplace();
        const bool dudoso = cerca_de_un_limite(t.valores[i], t.cotas[i]);
        d.nodo->setAbat(dudoso ? abatimiento_punto(datos, x[i], y[i]) : t.valores[i]);
        d.nodo->setX(x[i]);
        d.nodo->setY(y[i]);
        d.nodos->Add(d.nodo->x(), d.nodo->y(), d.nodo->abat(), {});
        d.nodo.reset();
    }
    if (t.error) throw *t.error;
}

}  // namespace abat
