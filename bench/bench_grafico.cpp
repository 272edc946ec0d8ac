// Speed of the chart: building it, drawing it, writing the GIF, and the whole path from the
// results table to the picture in the results window.
// Run: build/bench/bench_grafico
#include <benchmark/benchmark.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <string>

#include "calc/limites.h"
#include "calc/resultados.h"
#include "campo_al_azar.h"
#include "chart/composicion_mapa.h"
#include "chart/generar_grafico.h"
#include "chart/vista_mapa.h"
#include "dibujo/gif.h"
#include "dibujo/motor_qtcharts.h"
#include "dibujo/pintar_mapa.h"
#include "forms/frmResultados.h"
#include "model/filas.h"

using namespace abat;

namespace {

const QSize tamano(785, 465);
const std::string archivo = QDir::temp().filePath("bench_grafico.gif").toStdString();

// n wells and n points over a square kilometre, strong enough to span several classes.
Grid tabla(int n, int columnas) {
    Grid g(2, columnas, 1, 1);
    for (int k = 0; k < n; ++k) {
        const int r = append_record(g);
        g.setTextMatrix(r, 1, "N" + std::to_string(r));
        if (columnas == 6) {
            g.setTextMatrix(r, 2, "0.3");
            g.setTextMatrix(r, 3, "0.05");
        }
        g.setTextMatrix(r, columnas - 2, std::to_string(37.0 * k + 100));
        g.setTextMatrix(r, columnas - 1, std::to_string(400.0 + 300 * ((k * 7) % 3) - 11.0 * k));
    }
    return g;
}

struct Caso {
    Declaraciones d = acuifero(0.01, 0.0002);
    Grid pozos = tabla(20, 6);
    Grid puntos = tabla(20, 4);
    DatosCalculo datos = leer_datos(d, pozos, puntos, "30");
};

void generar_grafico_completo(benchmark::State& state) {
    Caso c;
    MotorQtCharts motor(tamano);
    for (auto _ : state) {
        generar_grafico(c.d, c.datos, motor, {archivo, [](const std::string&) {}});
    }
}

// The chart as generar_grafico leaves it just before the export, drawn again and again.
MotorQtCharts motor_preparado(Caso& c) {
    MotorQtCharts motor(tamano);
    struct Interrumpir {};
    try {
        generar_grafico(c.d, c.datos, motor,
                        {archivo, [](const std::string&) { throw Interrumpir{}; }});
    } catch (const Interrumpir&) {
    }
    return motor;
}

void dibujar_grafico(benchmark::State& state) {
    Caso c;
    MotorQtCharts motor = motor_preparado(c);
    for (auto _ : state) benchmark::DoNotOptimize(motor.dibujar());
}

void escribir_gif_529_nodos(benchmark::State& state) {
    Caso c;
    const QImage imagen = motor_preparado(c).dibujar();
    for (auto _ : state) escribir_gif(imagen, archivo, MotorQtCharts::colores_exactos());
}

void de_resultados_a_image1(benchmark::State& state) {
    Caso c;
    frmResultados ventana;
    MotorQtCharts motor(ventana.tamanoImagen());
    for (auto _ : state) {
        calcular_resultados(c.datos, ventana.resultados());
        generar_grafico(c.d, c.datos, motor,
                        {archivo, [&](const std::string& f) { ventana.cargarGrafico(f); }});
    }
}

// The map at new times, as the slider asks them: its 200 x 200 nodes over `extension` on all
// cores, its isolines and its painting on a window of the size that puts one node every 2.5
// pixels.
template <class Tiempo>
void redibujar(benchmark::State& state, const DatosCalculo& datos, const Caja& extension,
               Tiempo tiempo) {
    const CampoPozos campo(datos);
    const auto marcas = marcas_de(datos, datos.tiempo);
    const QSize ventana(500 + 72 + 118, 500 + 12 + 46);
    const QSize pixeles = area_de_trazado(QSizeF(ventana)).size().toSize();
    const Caja vista = a_igual_escala(extension, pixeles.width(), pixeles.height());
    QImage imagen(ventana, QImage::Format_RGB32);
    int paso = 0;
    for (auto _ : state) {
        const DibujoMapa mapa =
            componer_mapa(campo, marcas, tiempo(paso++), vista, pixeles.width(), pixeles.height());
        QPainter pintor(&imagen);
        pintar_mapa(pintor, QSizeF(ventana), mapa);
    }
    state.counters["nodos"] =
        static_cast<double>(rejilla_de_vista(vista, pixeles.width(), pixeles.height()).nx);
}

void mapa_a_otro_tiempo(benchmark::State& state) {
    redibujar(state, campo_al_azar(static_cast<int>(state.range(0))), {-100, 2100, -100, 2100},
              [](int paso) { return std::pow(10.0, -2 + (paso % 40) / 10.0); });
}

// 1,000 wells in a confined rectangle of 10 km, two rivers and two barriers, after about
// range(0) days: after a day, the images the cone has crossed to and the series of the
// rectangle's modes; after 20 years (7,300 days), the same images and the series.
void mapa_rectangulo_a_otro_tiempo(benchmark::State& state) {
    const auto dias = static_cast<double>(state.range(0));
    DatosCalculo datos = campo_al_azar(1000);
    for (Pozo& p : datos.pozos) {
        p.x = 200 + 4.8 * p.x;
        p.y = 200 + 4.8 * p.y;
    }
    datos.contorno = *clasificar_limites({{TipoLimite::recarga, 0, 0, 0, 1},
                                          {TipoLimite::barrera, 1e4, 0, 1e4, 1},
                                          {TipoLimite::barrera, 0, 0, 1, 0},
                                          {TipoLimite::recarga, 0, 1e4, 1, 1e4}},
                                         datos.pozos.front());
    redibujar(state, datos, {0, 1e4, 0, 1e4},
              [dias](int paso) { return dias * (1 + 0.01 * (paso % 20)); });
}

}  // namespace

BENCHMARK(mapa_a_otro_tiempo)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(mapa_rectangulo_a_otro_tiempo)
    ->Arg(1)
    ->Arg(7300)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(generar_grafico_completo)->Unit(benchmark::kMillisecond);
BENCHMARK(dibujar_grafico)->Unit(benchmark::kMillisecond);
BENCHMARK(escribir_gif_529_nodos)->Unit(benchmark::kMillisecond);
BENCHMARK(de_resultados_a_image1)->Unit(benchmark::kMillisecond);
