#include "calc/niveles_pozos.h"

#include "calc/abatimiento.h"
#include "model/mensajes.h"

namespace abat {

std::vector<NivelPozo> niveles_pozos(const CampoPozos& campo) {
    const DatosCalculo& d = campo.datos();
    const std::vector<std::optional<PerdidaPozo>>& perdidas = d.perdidas;
    std::vector<NivelPozo> niveles(d.pozos.size());
    std::vector<double> x;
    std::vector<double> y;
    std::vector<size_t> con_radio;
    for (size_t k = 0; k < d.pozos.size(); ++k) {
        const Pozo& p = d.pozos[k];
        niveles[k].radio = p.diametro / 2;
        if (k < perdidas.size() && perdidas[k]) {
            niveles[k].perdidas =
                perdida_pozo(perdidas[k]->C, perdidas[k]->n, d.caudal_en(k, d.tiempo).valor);
        }
        if (!(niveles[k].radio > 0)) continue;  // at its centre its own drawdown has no bound
        con_radio.push_back(k);
        x.push_back(p.x);
        y.push_back(p.y);
    }
    const Totales t = campo.totales(d.tiempo, x, y);
    if (t.error) throw *t.error;
    for (size_t i = 0; i < con_radio.size(); ++i) {
        const size_t k = con_radio[i];
        // At the centre the distance is the radius, as every drawdown within it.
        const double propio = abatimiento_pozo(d, d.tiempo, k, d.pozos[k].x, d.pozos[k].y);
        niveles[k].propio = propio;
        niveles[k].interferencia = t.valores[i] - propio;
    }
    return niveles;
}

std::string sin_radio(const DatosCalculo& datos) {
    std::string texto;
    for (size_t k = 0; k < datos.pozos.size(); ++k) {
        if (datos.pozos[k].diametro > 0) continue;
        if (!texto.empty()) texto += "\n";
        texto += "El pozo " + std::to_string(k + 1) + " " + cita(datos.pozos[k].nombre) +
                 " no tiene diámetro: el nivel dentro del pozo se calcula a su radio.";
    }
    return texto;
}

}  // namespace abat
