#include "datos_calculo.h"

#include "filas.h"

namespace abat {

DatosCalculo leer_datos(const Declaraciones& d, const Grid& tablaPozos, std::string_view tiempo) {
    DatosCalculo datos{d.T, d.S, leading_number(tiempo), {}};
    const int n = record_count(tablaPozos);
    datos.pozos.reserve(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i) {
        datos.pozos.push_back({leading_number(tablaPozos.TextMatrix(i, 2)),
                               leading_number(tablaPozos.TextMatrix(i, 4)),
                               leading_number(tablaPozos.TextMatrix(i, 5)),
                               leer_estricto(tablaPozos.TextMatrix(i, 3))});
    }
    return datos;
}

}  // namespace abat
