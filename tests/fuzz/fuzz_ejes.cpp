// The axis rule, for any finite limits: limits that hold the data, a width, a bounded number of
// ticks that are distinct numbers; or the overflow error.
#include <cmath>

#include "comun.h"
#include "errores.h"
#include "escala_ejes.h"

using namespace abat;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    fuzz::Bytes b(datos, n);
    const double menor = b.doble();
    const double mayor = b.doble();
    if (!std::isfinite(menor) || !std::isfinite(mayor)) return 0;
    EscalaEje e{};
    try {
        e = escala_automatica(menor, mayor);
    } catch (const ErrorCalculo& error) {
        EXIGIR(error.codigo() == CodigoError::desbordamiento);
        return 0;
    }
    EXIGIR(e.minimo <= std::fmin(menor, mayor));
    EXIGIR(e.maximo >= std::fmax(menor, mayor));
    EXIGIR(e.unidad > 0 && std::isfinite(e.unidad));
    const double ticks = (e.maximo - e.minimo) / e.unidad;
    EXIGIR(ticks >= 1 && ticks <= 25);
    EXIGIR(e.minimo + e.unidad != e.minimo);
    EXIGIR(e.maximo - e.unidad != e.maximo);
    return 0;
}
