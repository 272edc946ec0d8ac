#include "model/registros.h"

namespace abat {

std::string nombre_pozo(const std::string& nombre) {
    return "Pozo " + nombre;
}

std::string encabezado_pozo(const std::string& nombre) {
    return nombre_pozo(nombre) + "[m]";
}

const char* texto_tipo(TipoLimite tipo) {
    return tipo == TipoLimite::recarga ? texto_recarga : texto_barrera;
}

const char* nombre_tipo(TipoLimite tipo) {
    return tipo == TipoLimite::recarga ? "recarga" : "barrera";
}

LecturaEstricta caudal_en(const LecturaEstricta& propio, const std::vector<Etapa>& etapas,
                          double dias) {
    LecturaEstricta q = propio;
    for (const Etapa& e : etapas) {
        if (e.desde > dias) break;  // the steps come in order
        q = e.caudal;
    }
    return q;
}

EstadoPozo estado_de(const LecturaEstricta& caudal) {
    if (!caudal.ok() || caudal.valor > 0) return EstadoPozo::bombeo;
    return caudal.valor == 0 ? EstadoPozo::parado : EstadoPozo::inyeccion;
}

std::string texto_etapas(const std::string& caudal, const std::vector<EtapaTexto>& etapas,
                         const std::string& entre) {
    const auto etapa = [](const std::string& desde, const std::string& q) {
        std::string t = "desde el día " + desde + ": " + q + " m3/s";
        switch (estado_de(leer_estricto(q))) {
            case EstadoPozo::parado:
                return t + ", parado";
            case EstadoPozo::inyeccion:
                return t + ", inyecta";
            case EstadoPozo::bombeo:
                break;
        }
        return t;
    };
    std::string texto = etapa("0", caudal);
    for (const EtapaTexto& e : etapas) texto += entre + etapa(e.desde, e.caudal);
    return texto;
}

}  // namespace abat
