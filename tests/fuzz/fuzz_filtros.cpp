// What the aquifer and time boxes let through, typed character by character: only the characters
// they admit, so the time box never holds a sign or an exponent and never reads negative.
#include "comun.h"
#include "filtro_caracteres.h"
#include "numeros.h"

using namespace abat;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    std::string acuifero;
    std::string tiempo;
    for (size_t i = 0; i + 1 < n; i += 2) {
        const auto c = static_cast<char16_t>(datos[i] | (datos[i + 1] << 8));
        const bool en_acuifero = admitido_en_acuifero(c);
        const bool en_tiempo = admitido_en_tiempo(c);
        EXIGIR(!en_tiempo || en_acuifero);  // the time box admits less than the aquifer's
        if (c == 8) continue;               // Backspace: admitted, types nothing
        EXIGIR(!en_acuifero ||
               (c < 128 && std::string("0123456789+-.Ee").find(char(c)) != std::string::npos));
        if (en_acuifero) acuifero += static_cast<char>(c);
        if (en_tiempo) tiempo += static_cast<char>(c);
    }
    EXIGIR(tiempo.find_first_of("+-Ee") == std::string::npos);
    EXIGIR(!(leading_number(tiempo) < 0));
    EXIGIR(!std::isnan(leading_number(acuifero)));
    return 0;
}
