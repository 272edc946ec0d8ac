// Speed of the images of the aquifer's boundaries: what a well's image costs at a node against what
// a well costs there (the same loops, so about the same), and the map of 1,000 wells in a rectangle
// redrawn at a new time with the images its series needs to the bound (tolerancia_imagenes).
// Run: build/bench/bench_limites
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "calc/campo_pozos.h"
#include "calc/limites.h"
#include "calc/mapa_abatimiento.h"
#include "calc/pozos_virtuales.h"

using namespace abat;

namespace {

Limite linea(TipoLimite t, double x1, double y1, double x2, double y2) {
    Limite l;
    l.tipo = t;
    l.x1 = x1;
    l.y1 = y1;
    l.x2 = x2;
    l.y2 = y2;
    return l;
}

// n wells at random over [margen, lado - margen]^2, one in ten injecting.
DatosCalculo campo(int n, double lado, double margen, double S, double tiempo) {
    std::mt19937_64 g(1);
    std::uniform_real_distribution<double> lugar(margen, lado - margen);
    std::uniform_real_distribution<double> gasto(0.001, 0.02);
    DatosCalculo d{{0.01, S}, tiempo, {}, {}};
    for (int k = 0; k < n; ++k) {
        const double q = (k % 10 == 9 ? -1 : 1) * gasto(g);
        const double x = lugar(g);
        d.pozos.push_back({"P" + std::to_string(k), 0.3, {Lectura::numero, q}, x, lugar(g)});
    }
    return d;
}

std::vector<double> nodos(double desde, double hasta, int lado, bool x) {
    std::vector<double> v;
    for (int j = 0; j < lado; ++j) {
        for (int i = 0; i < lado; ++i) {
            v.push_back(desde + (hasta - desde) * (x ? i : j) / (lado - 1));
        }
    }
    return v;
}

void por_evaluacion(benchmark::State& state, double evaluaciones) {
    state.counters["por_evaluacion"] = benchmark::Counter(
        evaluaciones, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// 1,000 wells mirrored by a barrier at 300 m against the same 1,000 wells and 1,000 more where the
// images lie: the same places and distances to the loops, on one thread, at 100 x 100 nodes.
void coste_por_pozo(benchmark::State& state) {
    const bool imagenes = state.range(0) != 0;
    DatosCalculo d = campo(1000, 2000, 0, 2e-4, 1);
    const Limite barrera = linea(TipoLimite::barrera, -300, 0, -300, 1);
    if (imagenes) {
        d.contorno = *clasificar_limites({barrera}, d.pozos.front());
    } else {
        for (size_t k = 0; k < 1000; ++k) {
            Pozo espejo = d.pozos[k];
            espejo.x = 2 * barrera.x1 - espejo.x;
            d.pozos.push_back(espejo);
        }
    }
    const CampoPozos c(d);
    const std::vector<double> x = nodos(0, 2000, 100, true);
    const std::vector<double> y = nodos(0, 2000, 100, false);
    const size_t virtuales = pozos_virtuales(d, d.tiempo).pozos.size();
    for (auto _ : state) benchmark::DoNotOptimize(c.totales(d.tiempo, x, y, 1));
    state.counters["pozos_del_motor"] = static_cast<double>(virtuales);
    por_evaluacion(state, static_cast<double>(virtuales) * static_cast<double>(x.size()));
}

// The map of 1,000 wells spread over a rectangle of barriers and rivers of `lado` metres, the
// field 200 m in from its sides, at 200 x 200 nodes over it, a new time at each iteration (from 1
// to `dias` days, S = range(1) / 10,000), on all cores: the images each time needs, to the bound,
// are in its cost ("pozos_del_motor": the wells, steps and images the loops add, on average).
void mapa_rectangulo(benchmark::State& state) {
    const double lado = static_cast<double>(state.range(0));
    const double S = static_cast<double>(state.range(1)) * 1e-4;
    const int dias = static_cast<int>(state.range(2));
    DatosCalculo d = campo(1000, lado, 200, S, dias);
    d.contorno = *clasificar_limites(
        {linea(TipoLimite::recarga, 0, 0, 0, 1), linea(TipoLimite::barrera, lado, 0, lado, 1),
         linea(TipoLimite::barrera, 0, 0, 1, 0), linea(TipoLimite::recarga, 0, lado, 1, lado)},
        d.pozos.front());
    const CampoPozos c(d);
    Rejilla r{0, 0, lado / 199, lado / 199, 200, 200, {}};
    double virtuales = 0;
    int paso = 0;
    for (auto _ : state) {
        const double t = 1 + paso++ % dias;
        abatimiento_rejilla(c, t, r);
        state.PauseTiming();
        virtuales += static_cast<double>(pozos_virtuales(d, t).pozos.size());
        state.ResumeTiming();
    }
    state.counters["pozos_del_motor"] =
        benchmark::Counter(virtuales, benchmark::Counter::kAvgIterations);
}

}  // namespace

BENCHMARK(coste_por_pozo)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
// The goal, a new time in 200 ms or less: 10 km of an unconfined aquifer (S = 0.1) over 30 days;
// 4 km with S = 0.05 over 30 days; 10 km of a confined one (S = 0.0002) after a day, whose cone
// reaches across the rectangle and back many times: a dozen images a well, most of them far from
// the map and interpolated (fuentes_lejanas.h).
BENCHMARK(mapa_rectangulo)
    ->Args({10000, 1000, 30})
    ->Args({4000, 500, 30})
    ->Args({10000, 2, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
