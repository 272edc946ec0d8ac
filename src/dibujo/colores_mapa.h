#pragma once
// The colours of the drawdown map's bands: the viridis ramp from the least drawdown to the
// greatest; where injection raises part of the field, a diverging ramp, blue below zero and red
// above, each side scaled to its own extreme so that a small drawdown beside a large rise still
// reads. The map, its colour bar and the GIS styles take their colours from here.

#include <QColor>
#include <QRgb>
#include <vector>

#include "chart/dibujo_mapa.h"

namespace abat {

// The colour of a value: that of the middle of its band between isolines, so each band is one
// colour. Each band's colour is worked out once.
class ColoresMapa {
  public:
    explicit ColoresMapa(const DibujoMapa& mapa);
    QRgb de(double valor) const;
    bool divergente() const { return divergente_; }

  private:
    QRgb calcular(double valor) const;

    double minimo_;  // the ramp's ends
    double maximo_;
    bool divergente_;
    double intervalo_;
    double primera_ = 0;  // the first band's index, in intervals from zero
    std::vector<QRgb> bandas_;
};

struct BandaDeColor {
    double desde = 0.0;  // m
    double hasta = 0.0;
    QColor color;
};

// The map's bands from the least value to the greatest, each between neighbouring multiples of
// the interval. A map without isolines is coloured continuously: then the ramp's stops, each
// `desde` = `hasta` at the value that takes its colour.
std::vector<BandaDeColor> bandas_de_color(const DibujoMapa& mapa);

}  // namespace abat
