#pragma once
// The wells' states on the plan chart at the calculation's time: over a well that is not pumping,
// a mark (a stopped well crossed out, an injecting one with a blue triangle pointing down), and
// the three states named under the chart's legend, which names its series alone.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <functional>
#include <vector>

#include "model/registros.h"

namespace abat {

inline const QColor color_inyeccion(0x1F, 0x4E, 0xB4);

// Over the well's triangle of `lado` pixels at `centro`; a pumping well has none.
void marca_de_estado(QPainter& pintor, QPointF centro, EstadoPozo estado, double lado);

// Under `leyenda`, or above it where the chart ends first (at `alto`): each state of those in
// `estados`, named beside its mark over the well's, which `pozo` paints at a point at a scale of
// the chart's marks, `lado` pixels.
void leyenda_de_estados(QPainter& pintor, const QRectF& leyenda, double alto, const QFont& letra,
                        const std::vector<EstadoPozo>& estados, double lado,
                        const std::function<void(QPainter&, QPointF, double)>& pozo);

}  // namespace abat
