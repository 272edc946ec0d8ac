// Speed of "Exportar a SIG…" as a GeoPackage: wells, points with every well's share, isolines and
// a 200 × 200 raster. Beyond 1,995 wells the shares are a row each (wells × points rows).
// Run: build/bench/bench_exportar
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "sig/exportacion.h"

using namespace abat;

namespace {

CapasSig estudio(int pozos, int puntos) {
    CapasSig c;
    for (int k = 0; k < pozos; ++k) {
        const std::string nombre = "P" + std::to_string(k + 1);
        c.pozos.push_back({nombre, 0.3, 0.01, 440000.0 + k % 1000, 4470000.0 + k / 1000});
        c.puntos.campos_partes.push_back(nombre);
    }
    for (int j = 0; j < puntos; ++j) {
        PuntoSig p{"A" + std::to_string(j), 440500.0 + j, 4470050.0, 30, 0, {}};
        for (int k = 0; k < pozos; ++k) p.partes.push_back(1e-3 * (k % 97));
        c.puntos.puntos.push_back(std::move(p));
    }
    c.rejilla = {440000, 4470000, 5, 5, 200, 200, std::vector<double>(200 * 200, 1.5)};
    return c;
}

void exportar_gpkg(benchmark::State& state) {
    const CapasSig c = estudio(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const std::filesystem::path ruta = std::filesystem::temp_directory_path() /
                                       ("bench_exportar_" + std::to_string(getpid()) + ".gpkg");
    for (auto _ : state) {
        exportar_geopackage(ruta.string(), c);
        state.PauseTiming();
        std::filesystem::remove(ruta);
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(exportar_gpkg)
    ->Args({100, 100})
    ->Args({1995, 100})
    ->Args({100000, 100})
    ->Unit(benchmark::kMillisecond);
