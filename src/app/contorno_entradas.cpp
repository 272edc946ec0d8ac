#include "app/contorno_entradas.h"

#include "calc/etapas.h"
#include "calc/limites.h"

namespace abat {

std::optional<RechazoContorno> completar_datos(Ventanas& v, DatosCalculo& datos) {
    LecturaLimites limites = admitir_limites(v.limites->limites(), datos.pozos, datos.puntos);
    if (!limites.rechazo.empty()) {
        return RechazoContorno{QString::fromStdString(limites.rechazo), v.limites};
    }
    LecturaEtapas etapas = admitir_etapas(v.noPozos->etapas(), datos.pozos);
    if (!etapas.rechazo.empty()) {
        return RechazoContorno{QString::fromStdString(etapas.rechazo), v.noPozos};
    }
    datos.limites = std::move(limites.limites);
    datos.etapas = std::move(etapas.etapas);
    return std::nullopt;
}

bool hay_contorno(Ventanas& v) {
    return !v.limites->limites(false).empty() || !v.noPozos->etapas().empty();
}

}  // namespace abat
