#include "model/acuitardo.h"

#include <cmath>
#include <string>

#include "model/mensajes.h"
#include "model/numeros.h"
#include "model/unidades.h"

namespace abat {

Resuelto<std::optional<double>> leer_resistencia(std::string_view texto) {
    if (recortar_blancos(texto).empty()) return std::optional<double>{};
    const std::string caja = std::string("«") + etiqueta_resistencia + "»";
    const LecturaEstricta l = leer_estricto(texto);
    if (l.estado == Lectura::no_es_numero)
        return Rechazo{caja + ": " + cita(std::string(texto)) + " no es un valor numérico."};
    if (l.estado == Lectura::fuera_de_rango || !std::isfinite(l.valor))
        return Rechazo{caja + ": " + cita(std::string(texto)) +
                       " está fuera del rango de los números que el programa calcula."};
    if (l.valor <= 0)
        return Rechazo{caja + ": " + cita(std::string(texto)) +
                       " no es mayor que cero. Deje la casilla vacía para un acuífero confinado."};
    return std::optional<double>(l.valor);
}

std::optional<double> factor_goteo(double T, double c_dias) {
    const double B = std::sqrt(T * c_dias * segundos_por_dia);
    if (!(T > 0) || !(c_dias > 0) || !std::isfinite(B) || !(B > 0)) return std::nullopt;
    return B;
}

std::string texto_factor_goteo(double B) {
    return "Factor de goteo B = √(T·c) = " + number_to_text(redondear_cifras(B, 4)) + " m";
}

}  // namespace abat
