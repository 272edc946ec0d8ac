#pragma once
// Paints the drawdown map: colour bands under its isolines, the wells and the points, the axes,
// the colour bar and the scale bar.

#include <QPainter>
#include <QRectF>
#include <QSizeF>

#include "chart/dibujo_mapa.h"

namespace abat {

// Where the plot goes on a picture of `tamano`: room for the axes' labels on the left and below,
// and for the colour bar on the right.
QRectF area_de_trazado(QSizeF tamano);

// Paints the map over (0, 0, tamano) of the painter's device.
void pintar_mapa(QPainter& pintor, QSizeF tamano, const DibujoMapa& mapa);

}  // namespace abat
