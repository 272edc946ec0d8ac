// Speed of the drawdown calculation: the grid of the chart, the results table and a point's
// time-drawdown curve.
// Run: build/bench/bench_calculo
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/campo_pozos.h"
#include "calc/curva_tiempo.h"
#include "calc/datos_calculo.h"
#include "calc/niveles_pozos.h"
#include "calc/red.h"
#include "calc/resultados.h"
#include "campo_al_azar.h"
#include "model/filas.h"

using namespace abat;

namespace {

// n wells of rate `gasto`, `por_lado` to a row, `paso` m apart from `origen`; the lattice repeats
// every por_lado² wells.
Grid pozos_en_rejilla(int n, double origen, double paso, int por_lado, const char* gasto) {
    Grid g(2, 6, 1, 1);
    for (int k = 0; k < n; ++k) {
        const int r = append_record(g);
        g.setTextMatrix(r, 1, "P" + std::to_string(r));
        g.setTextMatrix(r, 2, "0.3");
        g.setTextMatrix(r, 3, gasto);
        g.setTextMatrix(r, 4, std::to_string(origen + paso * (k % por_lado)));
        g.setTextMatrix(r, 5, std::to_string(origen + paso * (k / por_lado % por_lado)));
    }
    return g;
}

// n wells spread over a square of side `lado` starting at `origen`.
Grid pozos(int n, double origen, double lado) {
    return pozos_en_rejilla(n, origen, lado / 10, 10, "0.01");
}

Grid puntos(int m) {
    Grid g(2, 4, 1, 1);
    for (int j = 0; j < m; ++j) {
        const int r = append_record(g);
        g.setTextMatrix(r, 1, "A" + std::to_string(r));
        g.setTextMatrix(r, 2, std::to_string(17.0 * j));
        g.setTextMatrix(r, 3, std::to_string(500.0 - 13.0 * j));
    }
    return g;
}

void por_evaluacion(benchmark::State& state, int evaluaciones) {
    // Seconds per well-node evaluation, shown with its SI prefix (n for nanoseconds).
    state.counters["por_evaluacion"] = benchmark::Counter(
        evaluaciones, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Near: every node within reach of the series (u <= 0.3386). Far: every u beyond it.
void generar_red_cerca(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Declaraciones d = acuifero(0.01, 0.0002);
    const DatosCalculo datos = leer_datos(d, pozos(n, 0, 1000), puntos(0), "1");
    for (auto _ : state) generar_red(d, datos, 0, 1000, 0, 1000);
    por_evaluacion(state, 529 * n);
}

void generar_red_lejos(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Declaraciones d = acuifero(0.01, 0.2);
    const DatosCalculo datos = leer_datos(d, pozos(n, -2000, 500), puntos(0), "1");
    for (auto _ : state) generar_red(d, datos, 0, 1000, 0, 1000);
    por_evaluacion(state, 529 * n);
}

// The same grids on the engine alone, on one thread; of a leaky aquifer, with the aquitard's
// resistance in days as a second argument.
void motor_red(benchmark::State& state, double S, double origen, double lado) {
    const int n = static_cast<int>(state.range(0));
    Declaraciones d = acuifero(0.01, S);
    DatosCalculo datos = leer_datos(d, pozos(n, origen, lado), puntos(0), "1");
    if (state.range(1) > 0) datos.acuifero.c = static_cast<double>(state.range(1));
    generar_red(d, datos, 0, 1000, 0, 1000);
    std::vector<double> x;
    std::vector<double> y;
    for (const cRedG& nodo : *d.nodos) x.push_back(nodo.x()), y.push_back(nodo.y());
    const CampoPozos campo(datos);
    for (auto _ : state) benchmark::DoNotOptimize(campo.totales(1, x, y, 1));
    por_evaluacion(state, 529 * n);
}
void motor_red_cerca(benchmark::State& state) {
    motor_red(state, 0.0002, 0, 1000);
}
void motor_red_lejos(benchmark::State& state) {
    motor_red(state, 0.2, -2000, 500);
}

void calcular_resultados_tabla(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const Declaraciones d = acuifero(0.01, 0.0002);
    const Grid tablaPozos = pozos(n, 0, 1000);
    const Grid tablaPuntos = puntos(n);
    Grid resultados(2, 0, 1, 0);
    for (auto _ : state) calcular_resultados(d, tablaPozos, tablaPuntos, "1", resultados);
}

// n wells at the 201 times of a curve (the goal: 1000 wells in under 50 ms).
void curva_en_el_tiempo(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const DatosCalculo datos =
        leer_datos(acuifero(0.01, 0.0002), pozos(n, 0, 1000), puntos(0), "30");
    for (auto _ : state) benchmark::DoNotOptimize(curva_tiempo(datos, 333, 777));
    por_evaluacion(state, 201 * n);
}

}  // namespace

// The water level inside each of n wells on a square lattice 50 m apart, each with a loss: what
// "Abatimiento en los pozos…" waits for.
void niveles_en_los_pozos(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int lado = static_cast<int>(std::ceil(std::sqrt(n)));
    Declaraciones d = acuifero(0.01, 0.0002);
    DatosCalculo datos = leer_datos(d, pozos_en_rejilla(n, 0, 50, lado, "0.001"), puntos(0), "30");
    datos.perdidas.assign(static_cast<size_t>(n), PerdidaPozo{2000, 2});
    for (auto _ : state) {
        const CampoPozos campo(datos);
        benchmark::DoNotOptimize(niveles_pozos(campo));
    }
}
BENCHMARK(niveles_en_los_pozos)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

BENCHMARK(curva_en_el_tiempo)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(generar_red_cerca)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(generar_red_lejos)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(motor_red_cerca)
    ->Args({100, 0})
    ->Args({100, 1})
    ->Args({100, 44})
    ->Args({100, 10000})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(motor_red_lejos)->Args({100, 0})->Args({100, 44})->Unit(benchmark::kMicrosecond);
BENCHMARK(calcular_resultados_tabla)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);
