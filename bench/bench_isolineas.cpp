// Speed of the drawdown map's isolines through GDAL's contour generator (the goal: 200 × 200
// nodes and 15 levels in a few milliseconds).
// Run: build/bench/bench_isolineas
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

#include "sig/isolineas.h"

using namespace abat;

namespace {

// n × n nodes of the drawdown round three wells, one injecting.
Rejilla mapa(int n) {
    Rejilla r{0, 0, 1000.0 / n, 1000.0 / n, n, n, {}};
    const std::array<std::array<double, 3>, 3> pozos = {
        {{310.5, 420.2, 1.0}, {655.1, 590.8, 0.7}, {480.3, 180.6, -0.4}}};
    for (int j = 0; j < n; ++j) {
        for (int i = 0; i < n; ++i) {
            double s = 0;
            for (const auto& [x, y, q] : pozos)
                s -= q * std::log(std::hypot(r.x(i) - x, r.y(j) - y) / 2000);
            r.valores.push_back(s);
        }
    }
    return r;
}

void isolineas(benchmark::State& state) {
    const Rejilla r = mapa(static_cast<int>(state.range(0)));
    std::vector<double> niveles;
    for (int k = 1; k <= 15; ++k) niveles.push_back(0.25 * k);
    for (auto _ : state) benchmark::DoNotOptimize(trazar_isolineas(r, niveles));
}

}  // namespace

BENCHMARK(isolineas)->Arg(23)->Arg(200)->Unit(benchmark::kMillisecond);
