// The study file's reader, which reads whatever file the user opens. Any bytes end in a whole
// study or in a refusal that names the file, and nothing else; the study read is written to bytes
// that read back to it. What the writer writes for a study of any texts reads back to a study
// that writes the same bytes: its pumping test, boundaries of either type and steps for some
// wells included.
#include <fuzzer/FuzzedDataProvider.h>

#include "comun.h"
#include "estudio/formato_estudio.h"

using namespace abat;

namespace {

Estudio releido(const Estudio& e) {
    const std::string escrito = escribir_estudio(e);
    const Resuelto<Estudio> l = leer_estudio(escrito, "f.abat");
    EXIGIR(l && escribir_estudio(*l) == escrito);
    return *l;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    const auto l =
        leer_estudio(std::string_view(reinterpret_cast<const char*>(datos), n), "f.abat");
    EXIGIR(l ? releido(*l) == *l
             : l.rechazo().starts_with("No se puede abrir «f.abat»: ") &&
                   l.rechazo().ends_with('.'));
    FuzzedDataProvider fdp(datos, n);
    const auto texto = [&] { return fdp.ConsumeRandomLengthString(12); };
    Estudio e{texto(), texto(), {}, {}, texto(), std::nullopt, {}};
    for (int k = fdp.ConsumeIntegralInRange(0, 3); k > 0; --k)
        e.pozos.push_back({texto(), texto(), texto(), texto(), texto()});
    for (int k = fdp.ConsumeIntegralInRange(0, 3); k > 0; --k)
        e.puntos.push_back({texto(), texto(), texto()});
    if (fdp.ConsumeBool()) e.crs = texto();
    if (fdp.ConsumeBool()) {
        e.ensayo.caudal = texto();
        e.ensayo.unidad_tiempo = unidades_tiempo[fdp.ConsumeIntegralInRange<size_t>(0, 3)];
        e.ensayo.fin_bombeo = texto();
        for (int k = fdp.ConsumeIntegralInRange(0, 3); k > 0; --k)
            e.ensayo.medidas.push_back({texto(), texto(), texto(), texto(), fdp.ConsumeBool()});
    }
    // Boundaries of the two types the table holds; steps for some wells, none after the last.
    for (int k = fdp.ConsumeIntegralInRange(0, 4); k > 0; --k) {
        e.limites.push_back({fdp.ConsumeBool() ? texto_recarga : texto_barrera, texto(), texto(),
                             texto(), texto()});
    }
    e.etapas.resize(fdp.ConsumeIntegralInRange<size_t>(0, e.pozos.size()));
    for (auto& etapas : e.etapas) {
        for (int k = fdp.ConsumeIntegralInRange(0, 2); k > 0; --k)
            etapas.push_back({texto(), texto()});
    }
    while (!e.etapas.empty() && e.etapas.back().empty()) e.etapas.pop_back();
    releido(e);
    return 0;
}
