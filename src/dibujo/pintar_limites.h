#pragma once
// Paints the aquifer's boundaries over a plan, on the plan chart and on the map alike: a recharge
// line blue, a barrier dark grey with short hatches on its far side, away from the aquifer.

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <functional>
#include <vector>

#include "model/registros.h"

namespace abat {

inline const QColor color_recarga(0x1F, 0x78, 0xB4);
inline const QColor color_barrera(0x40, 0x40, 0x40);

// Each boundary's whole line across `area`, clipped to it; `en` places a point given in metres on
// the painter.
void pintar_limites(QPainter& pintor, const std::vector<Lado>& limites, const QRectF& area,
                    const std::function<QPointF(double, double)>& en);

}  // namespace abat
