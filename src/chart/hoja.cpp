#include "chart/hoja.h"

#include <stdexcept>

#include "model/numeros.h"

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
    const auto [columna, fila] = celda(direccion);
    auto& c = columnas_[static_cast<size_t>(columna - 'A')];
    if (c.size() < static_cast<size_t>(fila)) c.resize(static_cast<size_t>(fila));
    c[static_cast<size_t>(fila - 1)] = std::move(valor);
}

const ValorCelda& Hoja::en(char columna, int fila) const {
    static const ValorCelda vacio;
    const auto& c = columnas_[static_cast<size_t>(columna - 'A')];
    return static_cast<size_t>(fila) <= c.size() ? c[static_cast<size_t>(fila - 1)] : vacio;
}

const ValorCelda& Hoja::get(const std::string& direccion) const {
    const auto [columna, fila] = celda(direccion);
    return en(columna, fila);
}

bool Hoja::vacia(const std::string& direccion) const {
    return std::holds_alternative<std::monostate>(get(direccion));
}

std::vector<std::optional<double>> Hoja::numeros(const Rango& r) const {
    std::vector<std::optional<double>> valores;
    for (int fila = r.desde; fila <= r.hasta; ++fila) {
        const ValorCelda& v = en(r.columna, fila);
        if (const auto* texto = std::get_if<std::string>(&v)) {
            valores.emplace_back(leading_number(*texto));
        } else if (const auto* numero = std::get_if<double>(&v)) {
            valores.emplace_back(*numero);
        } else {
            valores.emplace_back();
        }
    }
    return valores;
}

}  // namespace abat
