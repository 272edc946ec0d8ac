#include "dibujo/pintar_limites.h"

#include <QLineF>
#include <QPen>
#include <cmath>

#include "model/geometria.h"

namespace abat {
namespace {

constexpr double grosor = 2.5;     // pixels
constexpr double paso_trama = 9;   // between hatches
constexpr double largo_trama = 7;  // of a hatch

// The unit vector in pixels of a direction (dx, dy) in metres at (x, y).
QPointF en_pixeles(const std::function<QPointF(double, double)>& en, double x, double y, double dx,
                   double dy) {
    const QPointF d = en(x + dx, y + dy) - en(x, y);
    const double largo = std::hypot(d.x(), d.y());
    return largo > 0 ? d / largo : QPointF();
}

}  // namespace

void pintar_limites(QPainter& p, const std::vector<Lado>& limites, const QRectF& area,
                    const std::function<QPointF(double, double)>& en) {
    if (limites.empty()) return;
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing);
    for (const Lado& l : limites) {
        // The whole line across the area: its two points placed on the painter, the line through
        // them clipped to the area.
        const QPointF a = en(l.limite.x1, l.limite.y1);
        const QPointF b = en(l.limite.x2, l.limite.y2);
        const auto tramo = tramo_en_caja(a.x(), a.y(), b.x(), b.y(),
                                         {area.left(), area.right(), area.top(), area.bottom()});
        if (!tramo) continue;
        const QLineF linea(QPointF((*tramo)[0], (*tramo)[1]), QPointF((*tramo)[2], (*tramo)[3]));
        const bool barrera = l.tipo() == TipoLimite::barrera;
        const QColor color = barrera ? color_barrera : color_recarga;
        p.setPen(QPen(color, grosor, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(linea);
        if (!barrera || linea.length() == 0) continue;
        // Hatches leaning along the line on the side beyond the aquifer.
        const QPointF fuera = -en_pixeles(en, l.limite.x1, l.limite.y1, l.nx, l.ny);
        const QPointF a_lo_largo = (linea.p2() - linea.p1()) / linea.length();
        const QPointF trama = (fuera + a_lo_largo) / std::sqrt(2.0) * largo_trama;
        p.setPen(QPen(color, 1.2, Qt::SolidLine, Qt::FlatCap));
        for (double s = paso_trama / 2; s < linea.length(); s += paso_trama) {
            const QPointF q = linea.p1() + a_lo_largo * s + fuera * (grosor / 2);
            p.drawLine(QLineF(q, q + trama));
        }
    }
    p.restore();
}

}  // namespace abat
