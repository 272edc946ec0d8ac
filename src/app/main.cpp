// abatimientos: drawdown that a set of pumping wells causes in an aquifer.
#include <QApplication>
#include <cstdio>

#include "adaptadores/apariencia.h"
#include "adaptadores/avisos_qt.h"
#include "adaptadores/dialogos_consola.h"
#include "adaptadores/dialogos_qt.h"
#include "app/linea_ordenes.h"
#include "app/programa.h"

namespace {

// What the command line asks, told before any display is sought: the help, a wrong use of the
// program's own options; a report is then written without a window, on a machine without a
// display too. Nothing (-1) when the program is to start.
int antes_de_la_aplicacion(int argc, char** argv) {
    QStringList argumentos;
    for (int k = 1; k < argc; ++k) argumentos << QString::fromLocal8Bit(argv[k]);
    const abat::LineaOrdenes linea = abat::leer_linea_ordenes(argumentos);
    if (linea.orden == abat::Orden::ayuda) {
        std::fputs(abat::texto_ayuda().toLocal8Bit().constData(), stdout);
        return 0;
    }
    // Qt's own options ("-platform", "-style") are taken out by the application.
    if (linea.orden == abat::Orden::error && argumentos.front().startsWith(QLatin1String("--"))) {
        abat::escribir_en_error(QStringLiteral("abatimientos: ") + linea.error);
        abat::escribir_en_error(abat::texto_ayuda());
        return 2;
    }
    if (linea.orden == abat::Orden::informe && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    abat::callar_consultas_de_celdas_inexistentes();
    if (const int estado = antes_de_la_aplicacion(argc, argv); estado >= 0) return estado;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("abatimientos"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ABAT_ID));
    abat::cargar_traduccion_qt();
    abat::registrar_fuente_sustituta();

    QStringList argumentos = QApplication::arguments();
    argumentos.removeFirst();
    const abat::LineaOrdenes linea = abat::leer_linea_ordenes(argumentos);
    switch (linea.orden) {
        case abat::Orden::ayuda:
            std::fputs(abat::texto_ayuda().toLocal8Bit().constData(), stdout);
            return 0;
        case abat::Orden::error:
            abat::escribir_en_error(QStringLiteral("abatimientos: ") + linea.error);
            abat::escribir_en_error(abat::texto_ayuda());
            return 2;
        case abat::Orden::informe:
            return abat::informe_sin_ventanas(linea.informe, linea.estudio);
        case abat::Orden::programa:
            break;
    }

    abat::DialogosQt dialogos;
    abat::Programa programa(dialogos, [] { QCoreApplication::exit(0); });
    dialogos.setPadre(&programa.ventanas.principal);
    // "abatimientos ESTUDIO.abat", as the file manager starts it too.
    programa.iniciar(linea.estudio);
    return QApplication::exec();
}
