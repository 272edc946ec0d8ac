#include "informe_error.h"

#include <QStringList>

#include "numeros.h"

namespace abat {
namespace {

const QString titulo = QStringLiteral("Error en el cálculo");

QString lugar(const ErrorCalculo& e) {
    if (!e.ruta.empty()) return QString::fromStdString(e.ruta);
    QStringList partes;
    if (e.pozo > 0) partes << QStringLiteral("pozo %1").arg(e.pozo);
    if (e.punto > 0) partes << QStringLiteral("punto %1").arg(e.punto);
    if (e.nodo) {
        partes << QStringLiteral("nodo de la red en x = %1, y = %2")
                      .arg(QString::fromStdString(number_to_text(e.nodo->first)),
                           QString::fromStdString(number_to_text(e.nodo->second)));
    }
    if (partes.isEmpty()) return {};
    QString texto = partes.join(QStringLiteral(", "));
    texto[0] = texto[0].toUpper();
    return texto + QLatin1Char('.');
}

}  // namespace

QString texto_error(const ErrorCalculo& error) {
    QString texto = QStringLiteral("Se ha producido el error '%1' en el cálculo:\n\n%2")
                        .arg(error.numero())
                        .arg(QString::fromUtf8(error.descripcion()));
    const QString donde = lugar(error);
    if (!donde.isEmpty()) texto += QStringLiteral("\n\n") + donde;
    return texto;
}

void informar_error(Dialogos& dialogos, const ErrorCalculo& error) {
    dialogos.mensaje(texto_error(error), titulo, Icono::error);
}

void informar_error(Dialogos& dialogos, const QString& descripcion) {
    dialogos.mensaje(descripcion, titulo, Icono::error);
}

}  // namespace abat
