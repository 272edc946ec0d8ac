// The rules between numbers and text. Any text: the leading-number rule never fails, and a text
// the strict rule accepts reads the same under both. Any double: the cell text and the "##.####"
// text each have their shape and read back within half a unit of their last place.
#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cmath>
#include <regex>

#include "comun.h"
#include "model/numeros.h"

using namespace abat;

namespace {

// `leido` is `v` written with 15 significant digits and read back: within half a unit of the
// 15th digit (a whole one at the top of the range, where the text rounds towards zero), and the
// rounding of reading a decimal text.
bool dentro_de_15_cifras(double leido, double v) {
    if (v == 0) return leido == 0;
    const double ultimo = std::pow(10.0, std::floor(std::log10(std::fabs(v))) - 14);
    const double media = std::fabs(v) > 1.79769313486231e308 ? 1.0 : 0.5;
    return std::fabs(leido - v) <= media * ultimo * (1 + 1e-9) + 4e-16 * std::fabs(v);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    FuzzedDataProvider fdp(datos, n);
    const double v = fdp.ConsumeFloatingPoint<double>();
    const std::string texto = number_to_text(v);
    static const std::regex celda(R"(-?[1-9](\.\d*[1-9])?(E[+-]\d+)?|-?\d{1,15}(\.\d*[1-9])?|0)");
    EXIGIR(std::regex_match(texto, celda));
    EXIGIR(dentro_de_15_cifras(leading_number(texto), v));
    if (std::fabs(v) < 1e15) {  // drawdowns; beyond, 15 digits leave no decimals to check
        static const std::regex cuatro(R"(-?\d*\.(\d{0,3}[1-9])?)");
        const std::string t = format_4dec(v);
        EXIGIR(std::regex_match(t, cuatro));
        EXIGIR(std::fabs(leading_number(t) - v) <= 0.00005 + 1e-14 * std::fabs(v));
    }

    const std::string libre = fdp.ConsumeRemainingBytesAsString();
    EXIGIR(!std::isnan(leading_number(libre)));
    const LecturaEstricta estricta = leer_estricto(libre);
    if (estricta.ok()) {
        EXIGIR(std::isfinite(estricta.valor) && leading_number(libre) == estricta.valor);
        const LecturaEstricta otra = leer_estricto(number_to_text(estricta.valor));
        EXIGIR(otra.ok() && dentro_de_15_cifras(otra.valor, estricta.valor));
    }
    return 0;
}
