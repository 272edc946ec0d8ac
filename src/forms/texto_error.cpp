#include "forms/texto_error.h"

#include <QStringList>

#include "dibujo/texto_numero.h"

namespace abat {
namespace {

QString archivo(const ErrorCalculo& e) {
    QString texto = QString::fromStdString(e.ruta);
    if (!e.motivo.empty()) texto += QStringLiteral(": ") + QString::fromStdString(e.motivo);
    return texto;
}

QString lugar(const ErrorCalculo& e) {
    if (!e.ruta.empty()) return archivo(e);
    QStringList partes;
    if (e.pozo > 0) partes << QStringLiteral("pozo %1").arg(e.pozo);
    if (e.punto > 0) partes << QStringLiteral("punto %1").arg(e.punto);
    if (e.nodo) {
        partes << QStringLiteral("nodo de la red en x = %1, y = %2")
                      .arg(texto_numero(e.nodo->first), texto_numero(e.nodo->second));
    }
    if (partes.isEmpty()) return {};
    QString texto = partes.join(QStringLiteral(", "));
    texto[0] = texto[0].toUpper();
    return texto + QLatin1Char('.');
}

}  // namespace

QString texto_error(const ErrorCalculo& error, const QString& accion) {
    QString texto = QStringLiteral("Se ha producido el error '%1' %2:\n\n%3")
                        .arg(error.numero())
                        .arg(accion, QString::fromUtf8(error.descripcion()));
    const QString donde = lugar(error);
    if (!donde.isEmpty()) texto += QStringLiteral("\n\n") + donde;
    return texto;
}

}  // namespace abat
