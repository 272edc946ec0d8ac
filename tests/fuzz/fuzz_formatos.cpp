// The texts the program writes: "##.####" and 15 significant digits. Each has its shape, and
// reading it back gives the value within half a unit of its last place.
#include <cctype>
#include <cmath>

#include "comun.h"
#include "numeros.h"

using namespace abat;

namespace {

// -?digits*.digits{0,4}, the point always there.
bool forma_4dec(const std::string& s) {
    size_t i = s.rfind('-', 0) == 0 ? 1 : 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
    if (i == s.size() || s[i] != '.') return false;
    const size_t decimales = s.size() - i - 1;
    for (size_t k = i + 1; k < s.size(); ++k) {
        if (!std::isdigit(static_cast<unsigned char>(s[k]))) return false;
    }
    return decimales <= 4 && (decimales == 0 || s.back() != '0');
}

size_t cifras_significativas(const std::string& s) {
    std::string mantisa = s.substr(0, s.find('E'));
    size_t n = 0;
    bool empezado = false;
    for (const char c : mantisa) {
        if (c >= '1' && c <= '9') empezado = true;
        if (empezado && std::isdigit(static_cast<unsigned char>(c))) ++n;
    }
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    fuzz::Bytes b(datos, n);
    const double v = b.doble();
    if (!std::isfinite(v)) return 0;

    const std::string texto = number_to_text(v);
    EXIGIR(texto.find_first_of(", ") == std::string::npos);
    EXIGIR(cifras_significativas(texto) <= 15);
    EXIGIR(fuzz::dentro_de_15_cifras(leading_number(texto), v));

    if (std::fabs(v) < 1e15) {  // drawdowns; beyond, 15 digits leave no decimals to check
        const std::string cuatro = format_4dec(v);
        EXIGIR(forma_4dec(cuatro));
        const double leido = leading_number(cuatro);
        EXIGIR(std::fabs(leido - v) <= 0.00005 + 1e-14 * std::fabs(v));
    }
    return 0;
}
