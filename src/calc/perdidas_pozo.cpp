#include "calc/perdidas_pozo.h"

#include <cctype>
#include <cmath>

#include "model/mensajes.h"
#include "model/numeros.h"

namespace abat {

double perdida_pozo(double C, double n, double Q) {
    return std::copysign(C * std::pow(std::fabs(Q), n), Q);
}

Resuelto<std::optional<PerdidaPozo>> leer_perdida(const PerdidasTexto& p) {
    if (recortar_blancos(p.C).empty()) return std::optional<PerdidaPozo>{};
    const LecturaEstricta C = leer_estricto(con_punto_decimal(p.C));
    if (!C.ok() || C.valor < 0) {
        return Rechazo{"La C de la pérdida en el pozo, " + cita(p.C) +
                       ", no es un número mayor o igual que 0."};
    }
    const LecturaEstricta n = leer_estricto(con_punto_decimal(p.n));
    if (!n.ok() || n.valor < n_minimo || n.valor > n_maximo) {
        return Rechazo{"El exponente n de la pérdida en el pozo, " + cita(p.n) +
                       ", no es un número entre " + number_to_text(n_minimo) + " y " +
                       number_to_text(n_maximo) + "."};
    }
    return std::optional<PerdidaPozo>{PerdidaPozo{C.valor, n.valor}};
}

Resuelto<std::vector<std::optional<PerdidaPozo>>> admitir_perdidas(
    const std::vector<PerdidasTexto>& textos, const std::vector<Pozo>& pozos) {
    std::vector<std::optional<PerdidaPozo>> todas;
    for (size_t k = 0; k < textos.size() && k < pozos.size(); ++k) {
        const Resuelto<std::optional<PerdidaPozo>> p = leer_perdida(textos[k]);
        if (!p) {
            std::string r = p.rechazo();
            r[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(r[0])));
            return Rechazo{"El pozo " + std::to_string(k + 1) + " " + cita(pozos[k].nombre) + ": " +
                           r};
        }
        todas.push_back(*p);
    }
    return todas;
}

}  // namespace abat
