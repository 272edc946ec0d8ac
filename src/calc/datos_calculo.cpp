#include "calc/datos_calculo.h"

#include "model/columnas.h"
#include "model/filas.h"

#include <algorithm>

namespace abat {

LecturaEstricta DatosCalculo::caudal_en(size_t k, double dias) const {
    static const std::vector<Etapa> ninguna;
    return abat::caudal_en(pozos[k].caudal, k < etapas.size() ? etapas[k] : ninguna, dias);
}

std::vector<EstadoPozo> DatosCalculo::estados_en(double dias) const {
    std::vector<EstadoPozo> estados(pozos.size());
    for (size_t k = 0; k < pozos.size(); ++k) estados[k] = estado_de(caudal_en(k, dias));
    if (std::ranges::all_of(estados, [](EstadoPozo e) { return e == EstadoPozo::bombeo; }))
        return {};
    return estados;
}

bool DatosCalculo::solo_pozos() const {
    return contorno.vacio() && std::ranges::all_of(etapas, [](const auto& e) { return e.empty(); });
}

DatosCalculo leer_datos(const Declaraciones& d, const Grid& tablaPozos, const Grid& tablaPuntos,
                        std::string_view tiempo) {
    DatosCalculo datos{{d.T, d.S}, leading_number(tiempo), {}, {}};
    const int n = record_count(tablaPozos);
    datos.pozos.reserve(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i) {
        auto celda = [&](int columna) { return tablaPozos.TextMatrix(i, columna); };
        datos.pozos.push_back({std::string(celda(columna_pozo::nombre)),
                               leading_number(celda(columna_pozo::diametro)),
                               leer_estricto(celda(columna_pozo::gasto)),
                               leading_number(celda(columna_pozo::x)),
                               leading_number(celda(columna_pozo::y))});
    }
    const int m = record_count(tablaPuntos);
    datos.puntos.reserve(static_cast<size_t>(m));
    for (int j = 1; j <= m; ++j) {
        datos.puntos.push_back({std::string(tablaPuntos.TextMatrix(j, columna_punto::nombre)),
                                leading_number(tablaPuntos.TextMatrix(j, columna_punto::x)),
                                leading_number(tablaPuntos.TextMatrix(j, columna_punto::y))});
    }
    return datos;
}

}  // namespace abat
