#include "adaptadores/avisos_qt.h"

#include <QString>
#include <QtGlobal>

namespace abat {
namespace {

QtMessageHandler anterior = nullptr;

void filtrar(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (tipo == QtWarningMsg &&
        texto.startsWith(QLatin1String("QAccessibleTable::cellAt: invalid index"))) {
        return;
    }
    if (anterior != nullptr) anterior(tipo, contexto, texto);
}

}  // namespace

void callar_consultas_de_celdas_inexistentes() {
    QtMessageHandler previo = qInstallMessageHandler(filtrar);
    if (previo != filtrar) anterior = previo;
}

}  // namespace abat
