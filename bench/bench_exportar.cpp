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

struct Estudio {
    std::vector<Pozo> pozos;
    std::vector<Punto> puntos;
    Resultados resultados;
    CapasSig capas() const {
        CapasSig c;
        c.pozos = pozos;
        c.puntos = puntos;
        c.tiempo = 30;
        c.resultados = &resultados;
        c.rejilla = {440000, 4470000, 5, 5, 200, 200, std::vector<double>(200 * 200, 1.5)};
        return c;
    }
};

Estudio estudio(int pozos, int puntos) {
    Estudio e;
    e.resultados.pozos = static_cast<size_t>(pozos);
    for (int k = 0; k < pozos; ++k) {
        e.pozos.push_back({"P" + std::to_string(k + 1),
                           0.3,
                           {Lectura::numero, 0.01},
                           440000.0 + k % 1000,
                           4470000.0 + k / 1000});
    }
    for (int j = 0; j < puntos; ++j) {
        e.puntos.push_back({"A" + std::to_string(j), 440500.0 + j, 4470050.0});
        for (int k = 0; k < pozos; ++k) e.resultados.partes.push_back(1e-3 * (k % 97));
        e.resultados.totales.push_back(0);
    }
    return e;
}

void exportar_gpkg(benchmark::State& state) {
    const Estudio e = estudio(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const CapasSig c = e.capas();
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
