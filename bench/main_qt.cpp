// The benchmarks that draw or build windows run inside a QApplication, off screen unless
// QT_QPA_PLATFORM names a platform (xcb, to time them with the accessibility bridge on).
#include <benchmark/benchmark.h>

#include <QApplication>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
