#include "chart/hoja_grafico.h"

#include <cmath>

namespace abat {

const std::array<ClaseAbatimiento, numero_clases>& clases_abatimiento() {
    // Each class's x column, its y column beside it, from E on.
    static const std::array<ClaseAbatimiento, numero_clases> clases = [] {
        std::array<ClaseAbatimiento, numero_clases> c{};
        for (size_t k = 0; k < c.size(); ++k) {
            const auto x = static_cast<char>('E' + 2 * k);
            c[k] = {x, static_cast<char>(x + 1), nombres_clases[k]};
        }
        return c;
    }();
    return clases;
}

namespace {

// The name in row 1 of the y column, then each x and y from row 2.
template <typename Lugar>
void escribir_bloque(Hoja& hoja, const std::vector<Lugar>& lugares, const char* nombre,
                     char columnaX) {
    const auto columnaY = static_cast<char>(columnaX + 1);
    hoja.set(direccion_celda(columnaY, 1), std::string(nombre));
    int fila = 2;
    for (const Lugar& l : lugares) {
        hoja.set(direccion_celda(columnaX, fila), l.x);
        hoja.set(direccion_celda(columnaY, fila++), l.y);
    }
}

}  // namespace

void escribir_pozos(Hoja& hoja, const std::vector<Pozo>& pozos) {
    escribir_bloque(hoja, pozos, "Pozos", 'A');
}

void escribir_puntos(Hoja& hoja, const std::vector<Punto>& puntos) {
    escribir_bloque(hoja, puntos, "Puntos", 'C');
}

void escribir_nombres_clases(Hoja& hoja) {
    for (const ClaseAbatimiento& c : clases_abatimiento()) {
        hoja.set(direccion_celda(c.columnaY, 1), std::string(c.nombre));
    }
}

std::array<int, numero_clases> clasificar_nodos(Hoja& hoja, const colRed& nodos,
                                                std::optional<cRedG>& nodo) {
    std::array<int, numero_clases> contadores{};
    contadores.fill(2);
    for (const cRedG& n : nodos) {
        nodo = n;
        if (std::isnan(nodo->abat())) continue;  // beyond the aquifer's boundaries: no class
        const int k = clase_de(nodo->abat()) - 1;
        const ClaseAbatimiento& c = clases_abatimiento()[static_cast<size_t>(k)];
        int& fila = contadores[static_cast<size_t>(k)];
        hoja.set(direccion_celda(c.columnaX, fila), nodo->x());
        hoja.set(direccion_celda(c.columnaY, fila), nodo->y());
        ++fila;
    }
    nodo.reset();
    return contadores;
}

}  // namespace abat
