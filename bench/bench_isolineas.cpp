// Speed of the drawdown map's isolines: the grids the map draws (200 × 200 to 500 × 400 nodes),
// at the 8 to 20 levels of a round interval and at the 200 an interval typed may draw.
// Run: build/bench/bench_isolineas
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

#include "chart/isolineas.h"

using namespace abat;

namespace {

// nx × ny nodes over 1 km of the drawdown round three wells, one injecting.
Rejilla mapa(int nx, int ny) {
    Rejilla r{0, 0, 1000.0 / nx, 1000.0 / nx, nx, ny, {}};
    const std::array<std::array<double, 3>, 3> pozos = {
        {{310.5, 420.2, 1.0}, {655.1, 590.8, 0.7}, {480.3, 180.6, -0.4}}};
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) {
            double s = 0;
            for (const auto& [x, y, q] : pozos)
                s -= q * std::log(std::hypot(r.x(i) - x, r.y(j) - y) / 2000);
            r.valores.push_back(s);
        }
    }
    return r;
}

// Arguments: nodes across, nodes up, levels (evenly from 0 to 3.75 m).
void isolineas(benchmark::State& state) {
    const Rejilla r = mapa(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const auto n = static_cast<int>(state.range(2));
    std::vector<double> niveles;
    for (int k = 1; k <= n; ++k) niveles.push_back(3.75 * k / n);
    size_t vertices = 0;
    for (auto _ : state) {
        const std::vector<Isolinea> lineas = trazar_isolineas(r, niveles);
        vertices = 0;
        for (const Isolinea& l : lineas) vertices += l.puntos.size();
        benchmark::DoNotOptimize(lineas);
    }
    state.counters["vertices"] = static_cast<double>(vertices);
}

}  // namespace

BENCHMARK(isolineas)
    ->Args({23, 23, 15})
    ->Args({200, 200, 8})
    ->Args({200, 200, 15})
    ->Args({200, 200, 200})
    ->Args({500, 400, 20})
    ->Args({500, 400, 200})
    ->Unit(benchmark::kMillisecond);
