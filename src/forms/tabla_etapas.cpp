#include "forms/tabla_etapas.h"

#include "model/numeros.h"

namespace abat {
namespace {

constexpr int columna_desde = 1;
constexpr int columna_caudal = 2;

FormaTabla forma_etapas(const std::string& unidad) {
    FormaTabla f;
    f.formato = "^ No. |^      Desde[" + unidad + "]      |^      Caudal[m3/s]      ";
    f.reglas.guardar = [](int /*columna*/, std::string texto) {
        return con_punto_decimal(std::move(texto));
    };
    f.reglas.fija = [](int fila, int columna) { return fila == 1 && columna == columna_desde; };
    f.textos.tituloPegar = QStringLiteral("Pegar etapas");
    f.textos.registro = QStringLiteral("etapa");
    f.primera = PrimeraColumna::numero;
    return f;
}

}  // namespace

TablaEtapas::TablaEtapas(const std::string& unidad, Dialogos& dialogos, QWidget* parent)
    : TablaCeldas(forma_etapas(unidad), dialogos, parent) {
    setEtapas({}, {});
}

std::string TablaEtapas::caudal() {
    return filas().front()[columna_caudal - 1];
}

std::vector<EtapaTexto> TablaEtapas::etapas() {
    const auto f = filas();
    std::vector<EtapaTexto> e;
    for (size_t k = 1; k < f.size(); ++k) e.push_back({f[k][0], f[k][1]});
    return e;
}

void TablaEtapas::setEtapas(const std::string& caudal, const std::vector<EtapaTexto>& etapas) {
    std::vector<std::vector<std::string>> f = {{"0", caudal}};
    for (const EtapaTexto& e : etapas) f.push_back({e.desde, e.caudal});
    setFilas(f);
}

void TablaEtapas::agregarEtapa() {
    agregarFila({"", ""}, columna_desde);
}

void TablaEtapas::quitarEtapa() {
    const int n = static_cast<int>(filas().size());
    const int fila = filaActual() >= 2 ? filaActual() : n;
    if (fila >= 2) quitarFila(fila);
}

}  // namespace abat
