#include "app/contorno_entradas.h"

#include "calc/etapas.h"
#include "calc/limites.h"

namespace abat {

Resuelto<void> completar_datos(Ventanas& v, DatosCalculo& datos, QWidget*& ventana) {
    Resuelto<Contorno> contorno = admitir_limites(v.limites->limites(), datos.pozos, datos.puntos);
    if (!contorno) {
        ventana = v.limites;
        return Rechazo{contorno.rechazo()};
    }
    Resuelto<std::vector<std::vector<Etapa>>> etapas =
        admitir_etapas(v.noPozos->etapas(), datos.pozos);
    if (!etapas) {
        ventana = v.noPozos;
        return Rechazo{etapas.rechazo()};
    }
    datos.contorno = std::move(*contorno);
    datos.etapas = std::move(*etapas);
    return {};
}

bool hay_contorno(Ventanas& v) {
    return !v.limites->limites(false).empty() || !v.noPozos->etapas().empty();
}

}  // namespace abat
