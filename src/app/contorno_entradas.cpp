#include "app/contorno_entradas.h"

#include "calc/etapas.h"
#include "calc/limites.h"
#include "model/acuitardo.h"

namespace abat {

Resuelto<void> completar_datos(Ventanas& v, DatosCalculo& datos, QWidget*& ventana) {
    const Resuelto<std::optional<double>> c =
        leer_resistencia(v.acuitardo->resistencia().toStdString());
    if (!c) {
        ventana = v.acuitardo;
        return Rechazo{c.rechazo()};
    }
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
    Resuelto<std::vector<std::optional<PerdidaPozo>>> perdidas =
        admitir_perdidas(v.noPozos->perdidas(), datos.pozos);
    if (!perdidas) {
        ventana = v.noPozos;
        return Rechazo{perdidas.rechazo()};
    }
    datos.acuifero.c = *c;
    datos.perdidas = std::move(*perdidas);
    datos.contorno = std::move(*contorno);
    datos.etapas = std::move(*etapas);
    return {};
}

bool hay_contorno(Ventanas& v) {
    return !v.limites->limites(false).empty() || !v.noPozos->etapas().empty() ||
           !v.noPozos->perdidas().empty() || !v.acuitardo->resistencia().trimmed().isEmpty();
}

}  // namespace abat
