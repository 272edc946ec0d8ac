// The two rules that read numbers from text: the leading-number rule never fails, and a text the
// strict rule accepts reads the same under both; a number written back reads as itself.
#include <cmath>

#include "comun.h"
#include "numeros.h"

using namespace abat;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    const std::string_view texto(reinterpret_cast<const char*>(datos), n);
    const double inicial = leading_number(texto);
    EXIGIR(!std::isnan(inicial));
    const LecturaEstricta estricta = leer_estricto(texto);
    if (estricta.ok()) {
        EXIGIR(std::isfinite(estricta.valor));
        EXIGIR(inicial == estricta.valor);
        const LecturaEstricta otra = leer_estricto(number_to_text(estricta.valor));
        EXIGIR(otra.ok());
        EXIGIR(fuzz::dentro_de_15_cifras(otra.valor, estricta.valor));
    }
    return 0;
}
