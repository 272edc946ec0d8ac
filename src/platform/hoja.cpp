#include "hoja.h"

#include <stdexcept>

#include "numeros.h"

namespace abat {

std::pair<char, int> celda(const std::string& direccion) {
    if (direccion.size() < 2 || direccion[0] < 'A' || direccion[0] > 'Z') {
        throw std::invalid_argument("celda no válida: " + direccion);
    }
    size_t leidos = 0;
    const int fila = std::stoi(direccion.substr(1), &leidos);
    if (leidos != direccion.size() - 1 || fila < 1) {
        throw std::invalid_argument("celda no válida: " + direccion);
    }
    return {direccion[0], fila};
}

Rango rango(const std::string& direccion) {
    const size_t dos_puntos = direccion.find(':');
    if (dos_puntos == std::string::npos)
        throw std::invalid_argument("rango no válido: " + direccion);
    const auto [c1, f1] = celda(direccion.substr(0, dos_puntos));
    const auto [c2, f2] = celda(direccion.substr(dos_puntos + 1));
    if (c1 != c2) throw std::invalid_argument("rango de más de una columna: " + direccion);
    return {c1, f1, f2};
}

std::string direccion_celda(char columna, int fila) {
    return columna + std::to_string(fila);
}

void Hoja::set(const std::string& direccion, ValorCelda valor) {
    celdas_[celda(direccion)] = std::move(valor);
}

const ValorCelda& Hoja::get(const std::string& direccion) const {
    static const ValorCelda vacio;
    const auto it = celdas_.find(celda(direccion));
    return it == celdas_.end() ? vacio : it->second;
}

bool Hoja::vacia(const std::string& direccion) const {
    return std::holds_alternative<std::monostate>(get(direccion));
}

std::vector<std::optional<double>> Hoja::numeros(const Rango& r) const {
    std::vector<std::optional<double>> valores;
    for (int fila = r.desde; fila <= r.hasta; ++fila) {
        const auto it = celdas_.find({r.columna, fila});
        if (it == celdas_.end() || std::holds_alternative<std::monostate>(it->second)) {
            valores.emplace_back();
        } else if (const auto* texto = std::get_if<std::string>(&it->second)) {
            valores.emplace_back(leading_number(*texto));
        } else if (const auto* numero = std::get_if<double>(&it->second)) {
            valores.emplace_back(*numero);
        }
    }
    return valores;
}

}  // namespace abat
