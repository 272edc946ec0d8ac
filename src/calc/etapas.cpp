#include "calc/etapas.h"

#include <cctype>

#include "model/numeros.h"

namespace abat {
namespace {

std::string no_numerico(const LecturaEstricta& l) {
    return l.estado == Lectura::fuera_de_rango ? "un número que se pueda calcular"
                                               : "un valor numérico";
}

}  // namespace

std::string rechazo_etapas(const std::vector<EtapaTexto>& etapas) {
    double anterior = 0.0;
    for (size_t j = 0; j < etapas.size(); ++j) {
        const std::string etapa = "La etapa " + std::to_string(j + 2);
        const LecturaEstricta desde = leer_estricto(etapas[j].desde);
        if (!desde.ok()) {
            return etapa + " empieza a «" + etapas[j].desde + "» días, que no es " +
                   no_numerico(desde) + ".";
        }
        if (!(desde.valor > anterior)) {
            return etapa + " empieza a los " + number_to_text(desde.valor) +
                   " días, no después de la etapa " + std::to_string(j + 1) + " (a los " +
                   number_to_text(anterior) + " días).";
        }
        const LecturaEstricta caudal = leer_estricto(etapas[j].caudal);
        if (!caudal.ok()) {
            return "El caudal de la etapa " + std::to_string(j + 2) + ", «" + etapas[j].caudal +
                   "», no es " + no_numerico(caudal) + ".";
        }
        anterior = desde.valor;
    }
    return {};
}

LecturaEtapas admitir_etapas(const std::vector<std::vector<EtapaTexto>>& textos,
                             const std::vector<Pozo>& pozos) {
    LecturaEtapas l;
    for (size_t k = 0; k < textos.size() && k < pozos.size(); ++k) {
        if (std::string r = rechazo_etapas(textos[k]); !r.empty()) {
            r[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(r[0])));
            l.rechazo = "El pozo " + std::to_string(k + 1) + " «" + pozos[k].nombre + "»: " + r;
            l.etapas.clear();
            return l;
        }
        std::vector<Etapa> etapas;
        etapas.reserve(textos[k].size());
        for (const EtapaTexto& e : textos[k]) {
            etapas.push_back({leer_estricto(e.desde).valor, leer_estricto(e.caudal)});
        }
        l.etapas.push_back(std::move(etapas));
    }
    while (!l.etapas.empty() && l.etapas.back().empty()) l.etapas.pop_back();
    return l;
}

}  // namespace abat
