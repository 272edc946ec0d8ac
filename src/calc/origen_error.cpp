#include "origen_error.h"

#include <cmath>

#include "numeros.h"

namespace abat {
namespace {

bool punto_fuera_de_rango(const ErrorCalculo& e, const Grid& puntos) {
    if (e.punto < 1 || e.punto > puntos.Rows() - 2) return false;
    return !std::isfinite(leading_number(puntos.TextMatrix(e.punto, 2))) ||
           !std::isfinite(leading_number(puntos.TextMatrix(e.punto, 3)));
}

const Pozo* pozo_del_error(const ErrorCalculo& e, const DatosCalculo& d) {
    if (e.pozo < 1 || e.pozo > static_cast<int>(d.pozos.size())) return nullptr;
    return &d.pozos[static_cast<size_t>(e.pozo - 1)];
}

bool pozo_fuera_de_rango(const Pozo& p) {
    return !std::isfinite(p.diametro) || !std::isfinite(p.x) || !std::isfinite(p.y) ||
           p.gasto.estado == Lectura::fuera_de_rango;
}

}  // namespace

Origen origen_del_error(const ErrorCalculo& e, const DatosCalculo& d, const Grid& puntos) {
    const Pozo* pozo = pozo_del_error(e, d);
    switch (e.codigo()) {
        case CodigoError::tipos_no_coinciden:
            return Origen::pozos;
        case CodigoError::division_por_cero:
            return d.T == 0 || d.tiempo != 0 ? Origen::acuifero : Origen::puntos;
        case CodigoError::argumento_no_valido:
            if (d.T <= 0 || d.S <= 0) return Origen::acuifero;
            if (d.tiempo <= 0) return Origen::puntos;
            return pozo != nullptr && pozo->diametro == 0 ? Origen::pozos : Origen::acuifero;
        case CodigoError::desbordamiento:
            if (!std::isfinite(d.tiempo)) return Origen::puntos;
            if (pozo != nullptr && pozo_fuera_de_rango(*pozo)) return Origen::pozos;
            return punto_fuera_de_rango(e, puntos) ? Origen::puntos : Origen::acuifero;
        case CodigoError::acceso_ruta:
            break;
    }
    return Origen::acuifero;
}

}  // namespace abat
