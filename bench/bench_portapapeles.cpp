// Speed of a large field through the clipboard: pasting 1,000 wells and 1,000 points into their
// windows, then the whole calculation with its chart into the results window; and the program's
// resident memory at that size.
// Run: build/bench/bench_portapapeles
#include <benchmark/benchmark.h>

#include <QDir>
#include <fstream>
#include <string>

#include "comandos_tabla.h"
#include "frmCoordAbat.h"
#include "frmNoPozos.h"
#include "frmResultados.h"
#include "generar_grafico.h"
#include "motor_qtcharts.h"
#include "resultados.h"

using namespace abat;

namespace {

// No dialog opens while the pasted text is sound.
struct SinDialogos : Dialogos {
    void mensaje(const QString& /*texto*/, const QString& /*titulo*/, Icono /*icono*/) override {
        std::abort();
    }
    bool pregunta(const QString& /*texto*/, const QString& /*titulo*/) override { return false; }
    QString entrada(const QString& /*prompt*/, const QString& /*titulo*/) override { return {}; }
};

// n rows as a spreadsheet copies them: wells along a 2 km line, points on a grid around them.
QString hoja(int n, bool pozos) {
    QString texto;
    for (int k = 0; k < n; ++k) {
        const QString x = QString::number(2.0 * k - 1000, 'f', 1).replace('.', ',');
        const QString y = QString::number(37.0 * (k % 41) - 700, 'f', 1).replace('.', ',');
        texto += pozos ? QStringLiteral("P%1\t0,3\t0,001\t%2\t%3\n").arg(k).arg(x, y)
                       : QStringLiteral("A%1\t%2\t%3\n").arg(k).arg(y, x);
    }
    return texto;
}

long memoria_residente_mb() {
    std::ifstream estado("/proc/self/status");
    std::string linea;
    while (std::getline(estado, linea)) {
        if (linea.rfind("VmRSS:", 0) == 0) return std::stol(linea.substr(6)) / 1024;
    }
    return 0;
}

struct Campo {
    SinDialogos dialogos;
    frmNoPozos pozos{dialogos};
    frmCoordAbat puntos{dialogos};
    QString textoPozos;
    QString textoPuntos;

    explicit Campo(int n) : textoPozos(hoja(n, true)), textoPuntos(hoja(n, false)) {}

    void vaciar() {
        pozos.pozos().setRows(2);
        puntos.puntos().setRows(2);
    }
    void pegar() {
        pegar_registros(pozos.pozos(), dialogos, textoPozos, textos_pozos());
        pegar_registros(puntos.puntos(), dialogos, textoPuntos, textos_puntos());
    }
};

void pegar_pozos_y_puntos(benchmark::State& state) {
    Campo c(static_cast<int>(state.range(0)));
    c.pozos.show();
    c.puntos.show();
    for (auto _ : state) {
        state.PauseTiming();
        c.vaciar();
        state.ResumeTiming();
        c.pegar();
    }
}

void calcular_con_grafico(benchmark::State& state) {
    Campo c(static_cast<int>(state.range(0)));
    c.pegar();
    Declaraciones d{0.01, 0.0002};
    frmResultados ventana;
    ventana.show();
    MotorQtCharts motor(ventana.tamanoImagen());
    const std::string archivo = QDir::temp().filePath("bench_portapapeles.gif").toStdString();
    for (auto _ : state) {
        calcular_resultados(d, c.pozos.pozos(), c.puntos.puntos(), "30", ventana.resultados());
        generar_grafico(d, c.pozos.pozos(), c.puntos.puntos(), "30", motor,
                        {archivo, [&](const std::string& f) { ventana.cargarGrafico(f); }});
    }
    state.counters["RSS_MB"] = static_cast<double>(memoria_residente_mb());
}

}  // namespace

// n wells and n points.
BENCHMARK(pegar_pozos_y_puntos)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(calcular_con_grafico)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
