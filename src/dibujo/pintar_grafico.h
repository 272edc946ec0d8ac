#pragma once
// Paints a chart of Qt Charts on any device: a picture, a vector file, a page.

#include <QChart>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <functional>

namespace abat {

// Paints a chart over (0, 0, tamano) of the painter's device.
using Pintor = std::function<void(QPainter&, QSizeF)>;

// The picture of a chart of `tamano` (in pixels of the screen) at `densidad` pixels to one,
// over a `fondo` background.
QImage imagen_de(const Pintor& pintar, QSize tamano, double densidad = 1, QColor fondo = Qt::white);

// Lays the chart out at `tamano` and paints it, antialiased, over (0, 0, tamano) of the painter's
// device; gives where it drew the plot area. The chart stays the caller's.
QRectF pintar_grafico(QChart& grafico, QPainter& pintor, QSizeF tamano);

}  // namespace abat
