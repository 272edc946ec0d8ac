#include "adaptadores/apariencia.h"

#include <QGroupBox>
#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

namespace abat {
namespace {
const QString familia = QStringLiteral("MS Sans Serif");
}

void registrar_fuente_sustituta() {
    QFont::insertSubstitutions(familia, {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                         QStringLiteral("DejaVu Sans")});
}

QFont fuente(double puntos) {
    QFont f(familia);
    f.setPointSizeF(puntos);
    f.setWeight(QFont::Normal);
    return f;
}

void fuente_de_ventana(QWidget* ventana, double puntos) {
    ventana->setFont(fuente(puntos));
}

void fuente_de_titulo(QGroupBox* marco, double puntos, double puntosVentana) {
    marco->setFont(fuente(puntos));
    for (QWidget* control : marco->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        control->setFont(fuente(puntosVentana));
    }
}

void describir_controles(QWidget* raiz) {
    raiz->setAccessibleDescription(raiz->objectName());
    for (QWidget* control : raiz->findChildren<QWidget*>()) {
        if (!control->objectName().isEmpty() && !control->objectName().startsWith("qt_")) {
            control->setAccessibleDescription(control->objectName());
        }
    }
}

QPixmap dibujo(const QString& recurso, int lado) {
    QPixmap imagen(lado, lado);
    imagen.fill(Qt::transparent);
    QSvgRenderer svg(recurso);
    QPainter p(&imagen);
    svg.render(&p);
    return imagen;
}

}  // namespace abat
