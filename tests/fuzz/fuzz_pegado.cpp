// Pasted text, whatever a clipboard holds: either records with one cell per column, each number
// as the add dialog stores it, or a refusal that names a row and column and pastes nothing.
#include "comun.h"
#include "numeros.h"
#include "portapapeles.h"

using namespace abat;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    static const std::vector<std::string> encabezados = {"Nombre", "Diámetro[m]", "Gasto[m3/s]",
                                                         "Coordenada x [m]", "Coordenada y [m]"};
    const std::string_view texto(reinterpret_cast<const char*>(datos), n);
    const Pegado p = analizar_pegado(texto, encabezados);
    if (p.rechazo) {
        EXIGIR(p.registros.empty());
        EXIGIR(p.rechazo->fila >= 1 && p.rechazo->columna >= 1);
        return 0;
    }
    for (const auto& registro : p.registros) {
        EXIGIR(registro.size() == encabezados.size());
        for (size_t c = 1; c < registro.size(); ++c) {
            const LecturaEstricta l = leer_estricto(registro[c]);
            EXIGIR(l.ok());
            EXIGIR(number_to_text(l.valor) == registro[c]);
        }
    }
    return 0;
}
