#pragma once
// The drawdown map as it goes into a report, saved or copied: a title, the time and the
// coordinate system above; the map as the window shows it, with a north arrow; a legend of its
// marks and isolines below.

#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "chart/dibujo_mapa.h"

namespace abat {

// The sheet of a map drawn at `mapa` on the screen: as wide, taller by its title and legend.
QSizeF tamano_lamina(QSizeF mapa);
// Where the map goes on a sheet of `lamina`: the whole width, between the title and the legend.
QRectF zona_del_mapa(QSizeF lamina);

// "t = 30 días"; "t = 1 día".
QString texto_tiempo(double dias);
// The study's system as the map names it; "Coordenadas locales" when it has none.
QString texto_sistema(const DibujoMapa& mapa);

enum class Simbolo { pozo_de_bombeo, pozo_parado, pozo_de_inyeccion, punto, isolinea };
struct EntradaLeyenda {
    Simbolo simbolo;
    QString texto;
};
// What the legend lists: the kinds of well the map has at its time (pumping, stopped, injecting),
// its points and its isolines' interval.
std::vector<EntradaLeyenda> leyenda(const DibujoMapa& mapa);

// Paints the sheet, with the title's text, over (0, 0, lamina) of the painter's device.
void pintar_lamina(QPainter& pintor, QSizeF lamina, const DibujoMapa& mapa, const QString& texto);

}  // namespace abat
