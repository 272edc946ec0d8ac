#include "calc/origen_error.h"

#include <cmath>

namespace abat {
namespace {

// The table that holds the largest coordinate, the one that stretched the chart's extent; on a
// tie, the wells.
double magnitud(double x, double y) {
    return std::fmax(std::fabs(x), std::fabs(y));
}

Origen mayor_coordenada(const DatosCalculo& d) {
    double pozos = 0.0;
    for (const Pozo& p : d.pozos) pozos = std::fmax(pozos, magnitud(p.x, p.y));
    for (const Punto& p : d.puntos) {
        if (magnitud(p.x, p.y) > pozos) return Origen::puntos;
    }
    return Origen::pozos;
}

Origen origen_desbordamiento(const ErrorCalculo& e, const DatosCalculo& d) {
    switch (e.causa) {
        case Causa::tiempo:
            return Origen::puntos;
        case Causa::pozo:
            return Origen::pozos;
        case Causa::lugar:
            if (!e.nodo) return Origen::puntos;
            return mayor_coordenada(d);  // a node lies where the extent put it
        case Causa::extension:
            return mayor_coordenada(d);
        case Causa::acuifero:
        case Causa::desconocida:
            break;
    }
    return Origen::acuifero;
}

}  // namespace

Origen origen_del_error(const ErrorCalculo& e, const DatosCalculo& d) {
    switch (e.codigo()) {
        case CodigoError::tipos_no_coinciden:
            return Origen::pozos;
        case CodigoError::division_por_cero:
            return d.acuifero.T == 0 || d.tiempo != 0 ? Origen::acuifero : Origen::puntos;
        case CodigoError::argumento_no_valido: {
            if (d.acuifero.T <= 0 || d.acuifero.S <= 0) return Origen::acuifero;
            if (d.tiempo <= 0) return Origen::puntos;
            const bool pozo = e.pozo >= 1 && e.pozo <= static_cast<int>(d.pozos.size());
            return pozo && d.pozos[static_cast<size_t>(e.pozo - 1)].diametro == 0
                       ? Origen::pozos
                       : Origen::acuifero;
        }
        case CodigoError::desbordamiento:
            return origen_desbordamiento(e, d);
        case CodigoError::acceso_ruta:
            break;
    }
    return Origen::acuifero;
}

}  // namespace abat
