#include "dibujo/pintar_grafico.h"

#include <QGraphicsScene>

namespace abat {

QImage imagen_de(const Pintor& pintar, QSize tamano, double densidad, QColor fondo) {
    QImage imagen(tamano * densidad, QImage::Format_RGB32);
    imagen.setDevicePixelRatio(densidad);
    imagen.fill(fondo);
    {
        QPainter pintor(&imagen);
        pintar(pintor, tamano);
    }  // the painter ends before the picture is handed on
    return imagen;
}

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
