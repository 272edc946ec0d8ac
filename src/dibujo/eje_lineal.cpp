#include "dibujo/eje_lineal.h"

#include <QCategoryAxis>
#include <cmath>
#include <memory>

#include "model/errores.h"
#include "model/numeros.h"

namespace abat {

// Each tick a whole number of units, so 0 is 0 and 0.3 is "0.3", not 0.1 + 0.1 + 0.1. A category
// of no width at the lower limit labels it.
QValueAxis* eje_lineal(const EscalaEje& escala) {
    auto a = std::make_unique<QCategoryAxis>();
    a->setRange(escala.minimo, escala.maximo);
    if (a->min() != escala.minimo || a->max() != escala.maximo) {
        throw ErrorCalculo(CodigoError::desbordamiento, Causa::extension);
    }
    a->setStartValue(escala.minimo);
    a->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const double primera = std::round(escala.minimo / escala.unidad);
    const double ultima = std::round(escala.maximo / escala.unidad);
    for (double n = primera; n <= ultima; ++n) {
        const double valor = n == primera  ? escala.minimo
                             : n == ultima ? escala.maximo
                                           : n * escala.unidad;
        a->append(QString::fromStdString(number_to_text(valor)), valor);
    }
    a->setGridLineColor(QColor(0xD9, 0xD9, 0xD9));
    a->setLinePenColor(Qt::black);
    a->setLabelsColor(Qt::black);
    return a.release();
}

}  // namespace abat
