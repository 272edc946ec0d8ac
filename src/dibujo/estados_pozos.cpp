#include "dibujo/estados_pozos.h"

#include <QFontMetricsF>
#include <algorithm>
#include <array>

namespace abat {

void marca_de_estado(QPainter& p, QPointF c, EstadoPozo estado, double lado) {
    const double r = lado / 2;
    p.save();
    p.setBrush(Qt::NoBrush);
    if (estado == EstadoPozo::parado) {
        p.setPen(QPen(Qt::black, std::max(lado / 8, 1.5)));
        const double a = r * 0.55;
        p.drawLine(c + QPointF(-a, -a), c + QPointF(a, a));
        p.drawLine(c + QPointF(-a, a), c + QPointF(a, -a));
    } else if (estado == EstadoPozo::inyeccion) {
        p.setPen(QPen(color_inyeccion, std::max(lado / 8, 1.5)));
        p.drawPolygon(QPolygonF({c + QPointF(0, r), c + QPointF(r, -r), c + QPointF(-r, -r)}));
    }
    p.restore();
}

void leyenda_de_estados(QPainter& p, const QRectF& leyenda, double alto, const QFont& letra,
                        const std::vector<EstadoPozo>& estados, double lado_pozo,
                        const std::function<void(QPainter&, QPointF, double)>& pozo) {
    const std::array<const char*, 3> nombres = {"Pozo de bombeo", "Pozo parado",
                                                "Pozo de inyección"};
    std::vector<EstadoPozo> hay;
    for (const EstadoPozo e : {EstadoPozo::bombeo, EstadoPozo::parado, EstadoPozo::inyeccion}) {
        if (std::find(estados.begin(), estados.end(), e) != estados.end()) hay.push_back(e);
    }
    const QFontMetricsF f(letra);
    const double linea = std::max(f.height(), 16.0) + 4;
    const double escala = 0.6;  // of the chart's marks
    const double lado = lado_pozo * escala;
    double y = leyenda.bottom() + 8;
    if (y + linea * static_cast<double>(hay.size()) > alto)
        y = std::max(0.0, leyenda.top() - 8 - linea * static_cast<double>(hay.size()));
    p.save();
    p.setFont(letra);
    for (const EstadoPozo e : hay) {
        const QPointF centro(leyenda.left() + 6 + lado / 2, y + linea / 2);
        pozo(p, centro, escala);
        marca_de_estado(p, centro, e, lado);
        p.setPen(Qt::black);
        p.drawText(QPointF(centro.x() + lado / 2 + 6, centro.y() + f.ascent() / 2 - 1),
                   QString::fromUtf8(nombres[static_cast<size_t>(e)]));
        y += linea;
    }
    p.restore();
}

}  // namespace abat
