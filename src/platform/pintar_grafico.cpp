#include "pintar_grafico.h"

#include <QGraphicsScene>

namespace abat {

QRectF pintar_grafico(QChart& grafico, QPainter& pintor, QSizeF tamano) {
    QGraphicsScene escena;
    escena.addItem(&grafico);
    grafico.setGeometry(QRectF(QPointF(0, 0), tamano));
    pintor.setRenderHint(QPainter::Antialiasing);
    const QRectF todo(QPointF(0, 0), tamano);
    escena.render(&pintor, todo, todo);
    const QRectF area = grafico.plotArea();
    escena.removeItem(&grafico);
    return area;
}

}  // namespace abat
