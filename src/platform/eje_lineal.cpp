#include "eje_lineal.h"

#include <memory>

#include "errores.h"

namespace abat {

QValueAxis* eje_lineal(const EscalaEje& escala) {
    auto a = std::make_unique<QValueAxis>();
    a->setRange(escala.minimo, escala.maximo);
    if (a->min() != escala.minimo || a->max() != escala.maximo) {
        throw ErrorCalculo(CodigoError::desbordamiento, Causa::extension);
    }
    a->setTickType(QValueAxis::TicksDynamic);
    a->setTickAnchor(escala.minimo);
    a->setTickInterval(escala.unidad);
    a->setLabelFormat(QStringLiteral("%.10g"));
    a->setGridLineColor(QColor(0xD9, 0xD9, 0xD9));
    a->setLinePenColor(Qt::black);
    a->setLabelsColor(Qt::black);
    return a.release();
}

}  // namespace abat
