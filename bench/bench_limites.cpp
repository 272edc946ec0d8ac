// Speed of the images of the aquifer's boundaries: what a well's image costs at a node against what
// a well costs there (the same loops, so about the same), and the map of 1,000 wells in a rectangle
// redrawn at a new time, from a minute to a century: the images its series needs to the bound
// (tolerancia_imagenes), and at long times the series of its modes (autofunciones.h).
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
// field 200 m in from its sides, at 200 x 200 nodes over it, on all cores, S = range(1) / 10,000:
// a new time at each iteration, from range(2) minutes on, each a thousandth after the last. The
// images each time needs, to the bound, are in its cost ("pozos_del_motor": the wells, steps and
// images the loops add, on average); a time the calculation refuses ends with its error. A fourth
// argument makes the aquifer leaky, with that resistance in days.
void mapa_rectangulo(benchmark::State& state) {
    const double lado = static_cast<double>(state.range(0));
    const double S = static_cast<double>(state.range(1)) * 1e-4;
    const double dias = static_cast<double>(state.range(2)) / 1440;
    DatosCalculo d = campo(1000, lado, 200, S, dias);
    if (state.range(3) > 0) d.acuifero.c = static_cast<double>(state.range(3));
    d.contorno = *clasificar_limites(
        {linea(TipoLimite::recarga, 0, 0, 0, 1), linea(TipoLimite::barrera, lado, 0, lado, 1),
         linea(TipoLimite::barrera, 0, 0, 1, 0), linea(TipoLimite::recarga, 0, lado, 1, lado)},
        d.pozos.front());
    const CampoPozos c(d);
    Rejilla r{0, 0, lado / 199, lado / 199, 200, 200, {}};
    double virtuales = 0;
    int paso = 0;
    for (auto _ : state) {
        const double t = dias * (1 + 1e-3 * paso++);
        try {
            abatimiento_rejilla(c, t, r);
        } catch (const ErrorCalculo& e) {
            state.SkipWithError(
                ("error " + std::to_string(e.numero()) + ": " + e.descripcion()).c_str());
            break;
        }
        state.PauseTiming();
        virtuales += static_cast<double>(pozos_virtuales(d, t).pozos.size());
        state.ResumeTiming();
    }
    state.counters["pozos_del_motor"] =
        benchmark::Counter(virtuales, benchmark::Counter::kAvgIterations);
}

}  // namespace

BENCHMARK(coste_por_pozo)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
// The goal, a new time in 200 ms or less: 10 km of an unconfined aquifer (S = 0.1) and 4 km with
// S = 0.05 after 30 days, whose images are few; 10 km of a confined one (S = 0.0002) from a
// minute to a century: its cone crosses the rectangle after half a day, and from then on the
// images stop at that time and the series of the rectangle's modes adds the rest (autofunciones.h);
// leaky, after 20 years (a leakage factor B = sqrt(T c) of 930 m and 2.9 km), the same with
// modes that leakage decays too.
BENCHMARK(mapa_rectangulo)
    ->Args({10000, 1000, 43200, 0})
    ->Args({4000, 500, 43200, 0})
    ->Args({10000, 2, 1, 0})
    ->Args({10000, 2, 1440, 0})
    ->Args({10000, 2, 43200, 0})
    ->Args({10000, 2, 1440000, 0})
    ->Args({10000, 2, 52560000, 0})
    ->Args({10000, 2, 10512000, 1000})
    ->Args({10000, 2, 10512000, 10000})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
