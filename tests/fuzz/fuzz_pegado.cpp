// The paste, which reads whatever another program put on the clipboard. What the program copies
// out of a wells or points table pastes back to the same records. Any other text ends in records
// of the table's columns, each number as the add command would have stored it, or in a refusal
// that names a row and a column of the text (or a header's row without a column), and nothing
// else.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>

#include "comun.h"
#include "model/filas.h"
#include "model/numeros.h"
#include "model/portapapeles.h"

using namespace abat;

namespace {

Grid tabla(bool pozos) {
    Grid g(2, pozos ? 6 : 4, 1, 1);
    g.setFormatString(pozos ? "^ No. |^   Nombre  |^  Diámetro[m]  |^  Gasto[m3/s]  |^  "
                              "Coordenada x [m]  |^  Coordenada y [m]"
                            : "^No.|^   Nombre  |^  Coordenada x [m]  |^  Coordenada y [m]");
    return g;
}

// Records with any name and numbers as the program writes them, copied and pasted back.
void ida_y_vuelta(FuzzedDataProvider& fdp, Grid& g) {
    std::vector<std::vector<std::string>> registros;
    for (int k = fdp.ConsumeIntegralInRange(0, 6); k > 0; --k) {
        const int r = append_record(g);
        auto& registro = registros.emplace_back();
        for (int c = 1; c < g.Cols(); ++c) {
            double v = fdp.ConsumeFloatingPoint<double>();
            if (!std::isfinite(v)) v = 0;
            registro.push_back(c == 1 ? fdp.ConsumeRandomLengthString(16) : number_to_text(v));
            g.setTextMatrix(r, c, registro.back());
        }
    }
    const Resuelto<Pegado> p =
        analizar_pegado(como_texto(g, bloque_a_copiar(g)), encabezados_de(g));
    EXIGIR(p && p->registros == registros);
}

void cualquier_texto(const std::string& texto, const Grid& g) {
    const std::vector<std::string> encabezados = encabezados_de(g);
    const Resuelto<Pegado> p = analizar_pegado(texto, encabezados);
    if (!p) {
        // Named at a cell, or, a header that lacks a column, as the first row; one line.
        const std::string& r = p.rechazo();
        EXIGIR((r.starts_with("Fila ") || r.starts_with("La primera fila nombra las columnas")) &&
               r.ends_with('.') && r.find('\n') == std::string::npos);
        return;
    }
    for (const auto& registro : p->registros) {
        EXIGIR(registro.size() == encabezados.size());
        for (size_t c = 1; c < registro.size(); ++c) {
            const LecturaEstricta l = leer_estricto(registro[c]);
            EXIGIR(l.ok() && number_to_text(l.valor) == registro[c]);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    FuzzedDataProvider fdp(datos, n);
    Grid g = tabla(fdp.ConsumeBool());
    ida_y_vuelta(fdp, g);
    cualquier_texto(fdp.ConsumeRemainingBytesAsString(), tabla(g.Cols() == 6));
    return 0;
}
