#pragma once
// Where the map writes each isoline's level: along the line where it runs straight for a label's
// length, upright, inside the plot and clear of other labels and of the wells' and points' marks
// and names. Measured along the line as it is drawn, in the painter's logical units, so that a
// picture at twice the screen's density, whose finer grid traces lines of shorter segments, has
// the labels the screen has.

#include <QFontMetricsF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <vector>

namespace abat {

struct EtiquetaIsolinea {
    QPointF centro;
    double angulo = 0.0;  // degrees, counter-clockwise on the screen, between -90 and 90
    QSizeF tamano;        // the label's box before the rotation
    QString texto;
    QRectF caja;  // what the rotated box covers
};

struct LineaDibujada {
    QPolygonF puntos;  // in the painter's logical units
    QString texto;     // its level
};

// The labels of `lineas`, the first some way from each line's start and the next ones far
// apart, never over `ocupado` nor over each other, each wholly within `dentro`.
std::vector<EtiquetaIsolinea> colocar_etiquetas(const std::vector<LineaDibujada>& lineas,
                                                const QFontMetricsF& letra, const QRectF& dentro,
                                                std::vector<QRectF> ocupado);

}  // namespace abat
