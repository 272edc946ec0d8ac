#pragma once
// Paints the drawdown map: colour bands under its isolines, the wells and the points, the axes,
// the colour bar and the scale bar.

#include <QPainter>
#include <QRectF>
#include <QSizeF>

#include <vector>

#include "chart/dibujo_mapa.h"
#include "dibujo/etiquetas_isolineas.h"

namespace abat {

// Where the plot goes on a picture of `tamano`: room for the axes' labels on the left and below,
// and for the colour bar on the right.
QRectF area_de_trazado(QSizeF tamano);

struct OpcionesMapa {
    bool sistema = true;  // the coordinate system in the plot's upper right corner
    bool norte = false;   // a north arrow there, below the system
};

// Paints the map over (0, 0, tamano) of the painter's device.
void pintar_mapa(QPainter& pintor, QSizeF tamano, const DibujoMapa& mapa,
                 const OpcionesMapa& opciones = {});

// Where pintar_mapa writes the isolines' levels on a map of `tamano` set in `letra`.
std::vector<EtiquetaIsolinea> etiquetas_del_mapa(const DibujoMapa& mapa, QSizeF tamano,
                                                 const QFontMetricsF& letra,
                                                 const OpcionesMapa& opciones = {});

// The map's marks, centred at `centro`, for its legend too: a pumping well, red, pointing up; a
// stopped one, grey, pointing up; an injecting one, blue, pointing down; a point, a white diamond.
void marca_de_pozo(QPainter& pintor, QPointF centro, EstadoPozo estado);
void marca_de_punto(QPainter& pintor, QPointF centro);

}  // namespace abat
