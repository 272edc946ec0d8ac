#pragma once
// Paints a chart of Qt Charts on any device: a picture, a vector file, a page.

#include <QChart>
#include <QPainter>
#include <QRectF>
#include <QSizeF>

namespace abat {

// Lays the chart out at `tamano` and paints it, antialiased, over (0, 0, tamano) of the painter's
// device; gives where it drew the plot area. The chart stays the caller's.
QRectF pintar_grafico(QChart& grafico, QPainter& pintor, QSizeF tamano);

}  // namespace abat
