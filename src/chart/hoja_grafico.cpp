#include "hoja_grafico.h"

#include "filas.h"

namespace abat {

const std::array<ClaseAbatimiento, numero_clases>& clases_abatimiento() {
    static const std::array<ClaseAbatimiento, numero_clases> clases{{
        {'E', 'F', "Abat. <= 10.0 m"},
        {'G', 'H', "10.0 < Abat. <= 20.0 m"},
        {'I', 'J', "20.0 < Abat. <= 30.0 m"},
        {'K', 'L', "30.0 < Abat. <= 40.0 m"},
        {'M', 'N', "40.0 < Abat. <= 50.0 m"},
        {'O', 'P', "50.0 < Abat. <= 60.0 m"},
        {'Q', 'R', "Abat. >= 60.0 m"},
    }};
    return clases;
}

int clase_de(double abat) {
    for (int k = 1; k < numero_clases; ++k) {
        if (abat <= 10.0 * k) return k;
    }
    return numero_clases;
}

namespace {

void escribir_bloque(Hoja& hoja, const Grid& tabla, const char* nombre, char columnaX, int colX,
                     int colY) {
    hoja.set(direccion_celda(static_cast<char>(columnaX + 1), 1), std::string(nombre));
    for (int i = 1; i <= tabla.Rows() - 2; ++i) {
        hoja.set(direccion_celda(columnaX, i + 1), tabla.TextMatrix(i, colX));
        hoja.set(direccion_celda(static_cast<char>(columnaX + 1), i + 1),
                 tabla.TextMatrix(i, colY));
    }
}

}  // namespace

void escribir_pozos(Hoja& hoja, const Grid& pozos) {
    escribir_bloque(hoja, pozos, "Pozos", 'A', 4, 5);
}

void escribir_puntos(Hoja& hoja, const Grid& puntos) {
    escribir_bloque(hoja, puntos, "Puntos", 'C', 2, 3);
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
