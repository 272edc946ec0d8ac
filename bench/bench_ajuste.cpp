// Speed of the pumping test's fit: Theis's curve fitted to 10 observation wells of 100 readings
// each, a step test of 200 readings in six steps, and the window drawn again, the fit with it, as
// the user leaves a reading out. Run: build/bench/bench_ajuste
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <cmath>
#include <optional>
#include <random>
#include <string>

#include "ensayo/ajuste_ensayo.h"
#include "ensayo/analisis_ensayo.h"
#include "ensayo/datos_ensayo.h"
#include "ensayo/ensayo_escalonado.h"
#include "forms/frmEnsayo.h"
#include "model/numeros.h"

using namespace abat;

namespace {

// `pozos` wells from 10 m out, `medidas` readings each from 0.1 to 1000 minutes, the drawdowns
// of T = 0.01, S = 0.0002 (and an aquitard of c days) with noise of 5 mm.
EnsayoTexto ensayo(int pozos, int medidas, std::optional<double> c = std::nullopt) {
    std::mt19937 azar(1);
    std::normal_distribution<double> ruido(0, 0.005);
    EnsayoTexto e;
    e.caudal = "0.02";
    for (int k = 0; k < pozos; ++k) {
        const double r = 10.0 * (k + 1);
        for (int i = 0; i < medidas; ++i) {
            const double t = 0.1 * std::pow(10.0, 4.0 * i / (medidas - 1));
            const double s = abatimiento_theis({0.01, 2e-4, c}, 0.02, r, t * 60) + ruido(azar);
            e.medidas.push_back({"P" + std::to_string(k + 1), number_to_text(r), number_to_text(t),
                                 number_to_text(s), false});
        }
    }
    return e;
}

// A step test in the pumped well (r = 0.15 m): `etapas` steps of 100 minutes, rates 0.01, 0.02…
// m3/s, `medidas` readings in all, of T = 0.01, S = 0.0002 and a well loss of 2000 Q², noise 5 mm.
EnsayoTexto escalonado(int etapas, int medidas) {
    std::mt19937 azar(1);
    std::normal_distribution<double> ruido(0, 0.005);
    EnsayoTexto e;
    e.caudal = "0.01";
    std::vector<EtapaEnsayo> cambios{{0, 0.01}};
    for (int k = 1; k < etapas; ++k) {
        e.etapas.push_back({number_to_text(100.0 * k), number_to_text(0.01 * (k + 1))});
        cambios.push_back({6000.0 * k, 0.01});
    }
    const int por_etapa = medidas / etapas;
    for (int k = 0; k < etapas; ++k) {
        for (int i = 0; i < por_etapa; ++i) {
            const double t = 100.0 * k + 0.5 * std::pow(200.0, i / (por_etapa - 1.0));
            const double Q = 0.01 * (k + 1);
            const double s = abatimiento_ensayo({0.01, 2e-4}, cambios, 0.15, t * 60) +
                             2000 * Q * Q + ruido(azar);
            e.medidas.push_back({"Pozo", "0.15", number_to_text(t), number_to_text(s), false});
        }
    }
    return e;
}

class Ignorar : public Dialogos {
  public:
    void mensaje(const QString&, const QString&, Icono) override {}
    bool pregunta(const QString&, const QString&) override { return false; }
    Respuesta preguntaConCancelar(const QString&, const QString&) override {
        return Respuesta::cancelar;
    }
    QString entrada(const QString&, const QString&) override { return {}; }
    QString elegir(const QString&, const QString&, const QStringList&, const QString&) override {
        return {};
    }
    QString archivoParaGuardar(const QString&, const QString&, QString&, const QString&) override {
        return {};
    }
    QString archivoParaAbrir(const QString&, const QString&) override { return {}; }
    bool imprimir(QPrinter&, const QString&) override { return false; }
};

// The fit alone, from the texts read to T and S with their intervals.
void ajuste_theis(benchmark::State& state) {
    const Resuelto<DatosEnsayo> d =
        leer_ensayo(ensayo(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    for (auto _ : state) benchmark::DoNotOptimize(ajustar_theis(*d));
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(ajuste_theis)->Args({1, 100})->Args({10, 100})->Unit(benchmark::kMillisecond);

// A step test's fit, with n = 2 (0) or n fitted (1): what "Ajustar" waits for.
void ajuste_escalonado(benchmark::State& state) {
    const Resuelto<DatosEnsayo> d = leer_ensayo(escalonado(6, 200));
    for (auto _ : state) {
        const Resuelto<AjusteEscalonado> a = ajustar_escalonado(*d, state.range(0) != 0);
        if (!a) state.SkipWithError(a.rechazo().c_str());
        benchmark::DoNotOptimize(a);
    }
}
BENCHMARK(ajuste_escalonado)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Hantush and Jacob's fit of a leaky aquifer of c = 5 days (B = 66 m), from the program's own
// starts.
void ajuste_hantush(benchmark::State& state) {
    const Resuelto<DatosEnsayo> d = leer_ensayo(
        ensayo(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 5.0));
    for (auto _ : state) {
        const Resuelto<AjusteTheis> a = ajustar_hantush(*d);
        if (!a) state.SkipWithError(a.rechazo().c_str());
        benchmark::DoNotOptimize(a);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
BENCHMARK(ajuste_hantush)->Args({1, 100})->Args({10, 100})->Unit(benchmark::kMillisecond);

// What the window computes at each change: the texts read, the fit, its curves and residuals.
void analisis_theis(benchmark::State& state) {
    const EnsayoTexto e = ensayo(10, 100);
    for (auto _ : state) benchmark::DoNotOptimize(analizar_ensayo(e, {}, true));
}
BENCHMARK(analisis_theis)->Unit(benchmark::kMillisecond);

// A reading left out, and put back, of a test fitted (wells x readings of each): the fit again,
// the chart built again and the whole window painted.
void excluir_y_redibujar(benchmark::State& state) {
    Ignorar dialogos;
    frmEnsayo ventana(dialogos);
    ventana.resize(1100, 700);
    ventana.show();
    const int pozos = static_cast<int>(state.range(0));
    const int medidas = static_cast<int>(state.range(1));
    ventana.setEnsayo(ensayo(pozos, medidas));
    ventana.findChild<QPushButton*>(QStringLiteral("cmdAjustar"))->click();
    QCoreApplication::processEvents();
    bool excluir = true;
    for (auto _ : state) {
        ventana.medidas().selectCell(pozos * medidas / 2, 1);
        ventana.excluirSeleccion(excluir);
        excluir = !excluir;
        benchmark::DoNotOptimize(ventana.grab());
    }
    if (!ventana.analisis().acuifero) state.SkipWithError("no fit");
}
BENCHMARK(excluir_y_redibujar)->Args({2, 30})->Args({10, 100})->Unit(benchmark::kMillisecond);

}  // namespace
