// abatimientos: drawdown that a set of pumping wells causes in a confined aquifer.
#include <QApplication>

#include "adaptadores/apariencia.h"
#include "adaptadores/avisos_qt.h"
#include "adaptadores/dialogos_qt.h"
#include "app/programa.h"

int main(int argc, char* argv[]) {
    abat::callar_consultas_de_celdas_inexistentes();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("abatimientos"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ABAT_ID));
    abat::cargar_traduccion_qt();
    abat::registrar_fuente_sustituta();

    abat::DialogosQt dialogos;
    abat::Programa programa(dialogos, [] { QCoreApplication::exit(0); });
    dialogos.setPadre(&programa.ventanas.principal);
    // "abatimientos ESTUDIO.abat", as the file manager starts it too.
    const QStringList argumentos = QApplication::arguments();
    programa.iniciar(argumentos.size() > 1 ? argumentos.at(1) : QString());
    return QApplication::exec();
}
