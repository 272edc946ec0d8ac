// Speed of the drawdown map: every node of a grid at a new time, as the map window asks at each
// move of its time slider, on all cores. Its cost per well-node evaluation stays the same from
// 100 to 10,000 wells and from 100 x 100 to 400 x 400 nodes.
// Run: build/bench/bench_mapa
#include <benchmark/benchmark.h>

#include "calc/campo_pozos.h"
#include "calc/mapa_abatimiento.h"
#include "campo_al_azar.h"

using namespace abat;

namespace {

// Wells, nodes along each side, the aquitard's resistance in days (0: confined); a time from 1
// to 30 days, another at each iteration.
void mapa(benchmark::State& state) {
    DatosCalculo datos = campo_al_azar(static_cast<int>(state.range(0)));
    if (state.range(2) > 0) datos.acuifero.c = static_cast<double>(state.range(2));
    const CampoPozos pozos(datos);
    const int lado = static_cast<int>(state.range(1));
    Rejilla r{-100, -100, 2200.0 / (lado - 1), 2200.0 / (lado - 1), lado, lado, {}};
    int paso = 0;
    for (auto _ : state) abatimiento_rejilla(pozos, 1 + paso++ % 30, r);
    state.counters["por_evaluacion"] = benchmark::Counter(
        static_cast<double>(datos.pozos.size()) * lado * lado,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(mapa)
    ->Args({100, 200, 0})
    ->Args({1000, 200, 0})
    ->Args({10000, 200, 0})
    ->Args({1000, 100, 0})
    ->Args({1000, 400, 0})
    ->Args({1000, 200, 1})
    ->Args({1000, 200, 44})
    ->Args({1000, 200, 10000})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
