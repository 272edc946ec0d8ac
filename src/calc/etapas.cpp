#include "calc/etapas.h"

#include <cctype>

#include "model/mensajes.h"
#include "model/numeros.h"

namespace abat {
namespace {

std::string no_numerico(const LecturaEstricta& l) {
    return l.estado == Lectura::fuera_de_rango ? "un número que se pueda calcular"
                                               : "un valor numérico";
}

// A time as the refusals write it: "0.5 días", "«x» min".
std::string en_unidad(std::string tiempo, const std::string& unidad) {
    tiempo += ' ';
    tiempo += unidad;
    return tiempo;
}

std::vector<Etapa> leer(const std::vector<EtapaTexto>& etapas, const std::string& unidad) {
    std::vector<Etapa> leidas;
    leidas.reserve(etapas.size());
    double anterior = 0.0;
    for (size_t j = 0; j < etapas.size(); ++j) {
        const std::string etapa = "La etapa " + std::to_string(j + 2);
        const LecturaEstricta desde = leer_estricto(etapas[j].desde);
        if (!desde.ok()) {
            rechazar(etapa + " empieza a " + en_unidad(cita(etapas[j].desde), unidad) +
                     ", que no es " + no_numerico(desde) + ".");
        }
        if (!(desde.valor > anterior)) {
            rechazar(etapa + " empieza a los " + en_unidad(number_to_text(desde.valor), unidad) +
                     ", no después de la etapa " + std::to_string(j + 1) + " (a los " +
                     en_unidad(number_to_text(anterior), unidad) + ").");
        }
        const LecturaEstricta caudal = leer_estricto(etapas[j].caudal);
        if (!caudal.ok()) {
            rechazar("El caudal de la etapa " + std::to_string(j + 2) + ", " +
                     cita(etapas[j].caudal) + ", no es " + no_numerico(caudal) + ".");
        }
        leidas.push_back({desde.valor, caudal});
        anterior = desde.valor;
    }
    return leidas;
}

}  // namespace

Resuelto<std::vector<Etapa>> leer_etapas(const std::vector<EtapaTexto>& etapas,
                                         const std::string& unidad) {
    return resolver([&] { return leer(etapas, unidad); });
}

Resuelto<std::vector<std::vector<Etapa>>> admitir_etapas(
    const std::vector<std::vector<EtapaTexto>>& textos, const std::vector<Pozo>& pozos) {
    std::vector<std::vector<Etapa>> todas;
    for (size_t k = 0; k < textos.size() && k < pozos.size(); ++k) {
        Resuelto<std::vector<Etapa>> etapas = leer_etapas(textos[k]);
        if (!etapas) {
            std::string r = etapas.rechazo();
            r[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(r[0])));
            return Rechazo{"El pozo " + std::to_string(k + 1) + " " + cita(pozos[k].nombre) + ": " +
                           r};
        }
        todas.push_back(std::move(*etapas));
    }
    while (!todas.empty() && todas.back().empty()) todas.pop_back();
    return todas;
}

}  // namespace abat
