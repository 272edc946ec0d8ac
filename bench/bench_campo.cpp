// What the user waits for with a large field: pasting it through the clipboard into the windows
// on screen; and from the key that starts the calculation on the points window to the results
// window laid out and painted, with its table and its chart, with the program's resident memory
// at each size.
// Run: build/bench/bench_campo (one size per run for its memory: --benchmark_filter=/10000/1)
#include <benchmark/benchmark.h>

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <fstream>
#include <string>

#include "app/programa.h"
#include "app/ventanas_estudio.h"
#include "forms/comandos_tabla.h"
#include "forms/frmNoPozos.h"

using namespace abat;

namespace {

// No dialog opens while the data are sound.
struct SinDialogos : Dialogos {
    bool imprimir(QPrinter&, const QString&) override { return false; }
    void mensaje(const QString& texto, const QString& /*titulo*/, Icono /*icono*/) override {
        qFatal("%s", qPrintable(texto));
    }
    bool pregunta(const QString& /*texto*/, const QString& /*titulo*/) override { return false; }
    Respuesta preguntaConCancelar(const QString& /*texto*/, const QString& /*titulo*/) override {
        return Respuesta::no;
    }
    QString entrada(const QString& /*prompt*/, const QString& /*titulo*/) override { return {}; }
    QString elegir(const QString& /*prompt*/, const QString& /*titulo*/,
                   const QStringList& /*opciones*/, const QString& /*actual*/) override {
        return {};
    }
    QString archivoParaAbrir(const QString& /*titulo*/, const QString& /*filtros*/) override {
        return {};
    }
    QString archivoParaGuardar(const QString& /*titulo*/, const QString& /*filtros*/,
                               QString& /*filtro*/, const QString& /*propuesto*/) override {
        return ruta;
    }
    QString ruta;  // where a study is saved
};

// n rows as a spreadsheet copies them: wells along a 2 km line, points on a grid around them.
QString hoja(int n, bool pozos) {
    QString texto;
    for (int k = 0; k < n; ++k) {
        const QString x = QString::number(2.0 * (k % 1000) - 1000, 'f', 1);
        const QString y = QString::number(37.0 * (k % 41) - 700 + k / 1000.0, 'f', 1);
        texto += pozos ? QStringLiteral("P%1\t0.3\t0.001\t%2\t%3\n").arg(k).arg(x, y)
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

void pulsar(QWidget* ventana, const char* boton) {
    QTest::mouseClick(ventana->findChild<QAbstractButton*>(boton), Qt::LeftButton);
}

// The program with the aquifer entered and the field pasted, on the points window.
struct Campo {
    SinDialogos dialogos;
    QTemporaryDir recuperacion;
    Programa p{dialogos, [] {}, recuperacion.path()};
    Ventanas& v = p.ventanas;

    Campo(int pozos, int puntos) {
        p.archivoGrafico = QDir::temp().filePath("bench_campo.gif").toStdString();
        p.iniciar();
        v.caracteristicas->findChild<QLineEdit*>("txtT")->setText("0.01");
        v.caracteristicas->findChild<QLineEdit*>("txtS")->setText("0.0002");
        pulsar(v.caracteristicas, "cmdSiguiente");
        pegar_registros(v.noPozos->pozos(), dialogos, hoja(pozos, true), textos_pozos());
        pulsar(v.noPozos, "cmdSiguiente");
        pegar_registros(v.coordAbat->puntos(), dialogos, hoja(puntos, false), textos_puntos());
        v.coordAbat->findChild<QLineEdit*>("txtTiempo")->setText("30");
        QTest::qWait(1000);  // the accessibility bridge, when on, registers the program meanwhile
    }
    // "Siguiente" on the points window, then the results window exposed and painted.
    void calcular() const {
        pulsar(v.coordAbat, "cmdSiguiente");
        (void)QTest::qWaitForWindowExposed(v.resultados);
        benchmark::DoNotOptimize(v.resultados->grab());
    }
};

// The wells pasted, as the spreadsheet copied them, into the wells window on screen.
void pegar_campo(benchmark::State& state) {
    SinDialogos dialogos;
    frmNoPozos ventana(dialogos);
    ventana.show();
    const QString pozos = hoja(static_cast<int>(state.range(0)), true);
    for (auto _ : state) {
        state.PauseTiming();
        ventana.pozos().setRows(2);
        state.ResumeTiming();
        pegar_registros(ventana.pozos(), dialogos, pozos, textos_pozos());
        (void)QTest::qWaitForWindowExposed(&ventana);
        benchmark::DoNotOptimize(ventana.grab());
    }
}

void calcular_campo(benchmark::State& state) {
    Campo c(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        c.calcular();
        state.PauseTiming();
        pulsar(c.v.resultados, "cmdPuntos");
        state.ResumeTiming();
    }
    state.counters["RSS_MB"] = static_cast<double>(memoria_residente_mb());
}

// "Guardar" of the field, a study of 100,000 wells and 100 points: from the command to the file
// written.
void guardar_estudio_campo(benchmark::State& state) {
    Campo c(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const QTemporaryDir dir;
    c.dialogos.ruta = dir.filePath("campo.abat");
    for (auto _ : state) benchmark::DoNotOptimize(c.p.estudios.guardarComo());
}

// "Abrir" of that study, without its time so that nothing is computed: from the command to the
// points window painted with the field.
void abrir_estudio_campo(benchmark::State& state) {
    Campo c(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const QTemporaryDir dir;
    c.dialogos.ruta = dir.filePath("campo.abat");
    c.v.coordAbat->setTiempo({});
    c.p.estudios.guardarComo();
    for (auto _ : state) {
        c.p.estudios.abrir(c.dialogos.ruta);
        (void)QTest::qWaitForWindowExposed(c.v.coordAbat);
        benchmark::DoNotOptimize(c.v.coordAbat->grab());
    }
}

// What the recovery copy takes from the user-interface thread when the user pauses: the entries
// taken from the windows; the file is written on another thread.
void copia_de_recuperacion(benchmark::State& state) {
    Campo c(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(estudio_de(c.v));
}

}  // namespace

BENCHMARK(guardar_estudio_campo)->Args({100000, 100})->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(abrir_estudio_campo)->Args({100000, 100})->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(copia_de_recuperacion)->Args({100000, 100})->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(pegar_campo)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
// Wells, points.
BENCHMARK(calcular_campo)
    ->Args({1000, 1000})
    ->Args({10000, 1})
    ->Args({100000, 1})
    ->Args({5000, 2000})  // ten million drawdowns
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
