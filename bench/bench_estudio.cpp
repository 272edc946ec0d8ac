// Speed of the study file: writing and reading a study of 100,000 wells and 100 points, as text
// and through a file (the goal: each under 1 s).
// Run: build/bench/bench_estudio
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "estudio/archivo_estudio.h"
#include "model/numeros.h"

using namespace abat;

namespace {

constexpr int pozos = 100'000;
constexpr int puntos = 100;

// Wells on a square grid of 10 m, numbers as the program writes them into the cells.
Estudio grande() {
    Estudio e{"0.01", "0.0002", {}, {}, "1", "EPSG:25830", {}};
    for (int k = 0; k < pozos; ++k) {
        const int fila = k / 316;
        e.pozos.push_back({"P" + std::to_string(k + 1), "0.3", number_to_text(0.01 + k * 1e-7),
                           number_to_text(10.0 * (k % 316)), number_to_text(10.0 * fila)});
    }
    for (int j = 0; j < puntos; ++j)
        e.puntos.push_back({"A" + std::to_string(j + 1), number_to_text(17.5 * j), "-250"});
    return e;
}

const std::string ruta = (std::filesystem::temp_directory_path() /
                          ("bench_estudio" + std::to_string(getpid()) + ".abat"))
                             .string();

void escribir(benchmark::State& state) {
    const Estudio e = grande();
    for (auto _ : state) benchmark::DoNotOptimize(escribir_estudio(e));
    state.counters["MB"] = static_cast<double>(escribir_estudio(e).size()) / 1e6;
}

void leer(benchmark::State& state) {
    const std::string texto = escribir_estudio(grande());
    for (auto _ : state) benchmark::DoNotOptimize(leer_estudio(texto, "bench.abat"));
}

void guardar(benchmark::State& state) {
    const Estudio e = grande();
    for (auto _ : state) guardar_estudio(e, ruta);
    std::remove(ruta.c_str());
}

void abrir(benchmark::State& state) {
    guardar_estudio(grande(), ruta);
    for (auto _ : state) {
        const Resuelto<Estudio> l = abrir_estudio(ruta);
        if (!l) state.SkipWithError(l.rechazo().c_str());
    }
    std::remove(ruta.c_str());
}

}  // namespace

BENCHMARK(escribir)->Unit(benchmark::kMillisecond);
BENCHMARK(leer)->Unit(benchmark::kMillisecond);
BENCHMARK(guardar)->Unit(benchmark::kMillisecond);
BENCHMARK(abrir)->Unit(benchmark::kMillisecond);
