#include "dibujo/colores_mapa.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "dibujo/rampa_viridis.h"

namespace abat {
namespace {

// Where injection raises the water: blue below zero, white at zero, red above.
const std::array<QColor, 7> rampa_divergente = {QColor(0x21, 0x66, 0xAC), QColor(0x67, 0xA9, 0xCF),
                                                QColor(0xD1, 0xE5, 0xF0), QColor(0xF7, 0xF7, 0xF7),
                                                QColor(0xFD, 0xDB, 0xC7), QColor(0xEF, 0x8A, 0x62),
                                                QColor(0xB2, 0x18, 0x2B)};
const QColor sin_valor(0xC8, 0xC8, 0xC8);

QColor en_rampa(const std::array<QColor, 7>& rampa, double t) {
    t = std::clamp(t, 0.0, 1.0) * static_cast<double>(rampa.size() - 1);
    const auto i = std::min(static_cast<size_t>(t), rampa.size() - 2);
    const double f = t - static_cast<double>(i);
    const QColor& a = rampa[i];
    const QColor& b = rampa[i + 1];
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * f),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * f),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * f));
}

}  // namespace

// With isolines, the ramp spans the bands, from the lowest one's lower level to the highest
// one's upper level: each band takes the same colour at any resolution whose values fall in the
// same bands, as a picture saved at twice the screen's and the GIS style do.
ColoresMapa::ColoresMapa(const DibujoMapa& m)
    : minimo_(m.rampa ? m.rampa->first : m.minimo),
      maximo_(m.rampa ? m.rampa->second : m.maximo),
      divergente_(minimo_ < 0 && maximo_ > 0),
      intervalo_(m.niveles.intervalo) {
    if (intervalo_ > 0) {
        primera_ = std::floor(minimo_ / intervalo_);
        const double ultima = std::floor(maximo_ / intervalo_);
        minimo_ = primera_ * intervalo_;
        maximo_ = (ultima + 1) * intervalo_;
        for (double b = primera_; b <= ultima; ++b)
            bandas_.push_back(calcular((b + 0.5) * intervalo_));
    }
}

QRgb ColoresMapa::de(double v) const {
    if (!std::isfinite(v)) return sin_valor.rgb();
    if (intervalo_ > 0) {
        const double b = std::floor(v / intervalo_) - primera_;
        if (b >= 0 && b < static_cast<double>(bandas_.size())) {
            return bandas_[static_cast<size_t>(b)];
        }
        return calcular((std::floor(v / intervalo_) + 0.5) * intervalo_);
    }
    return calcular(v);
}

// Each side of zero over half the diverging ramp, to its own extreme: a rise of 40 m beside a
// drawdown of 4 m leaves the drawdown as red as the rise is blue.
QRgb ColoresMapa::calcular(double valor) const {
    if (divergente_) {
        const double t = valor >= 0 ? 0.5 + 0.5 * valor / maximo_ : 0.5 - 0.5 * valor / minimo_;
        return en_rampa(rampa_divergente, t).rgb();
    }
    const double rango = maximo_ - minimo_;
    return en_rampa(rampa_viridis, rango > 0 ? (valor - minimo_) / rango : 0.5).rgb();
}

std::vector<BandaDeColor> bandas_de_color(const DibujoMapa& m) {
    const ColoresMapa colores(m);
    std::vector<BandaDeColor> bandas;
    const double i = m.niveles.intervalo;
    if (i > 0) {
        for (double b = std::floor(m.minimo / i); b <= std::floor(m.maximo / i); ++b) {
            bandas.push_back({b * i, (b + 1) * i, QColor(colores.de((b + 0.5) * i))});
        }
        return bandas;
    }
    // The ramp's stops: on each side of zero when it diverges, across the range otherwise.
    const auto paradas = [&](double desde, double hasta, int n) {
        for (int k = 0; k < n; ++k) {
            const double v = desde + (hasta - desde) * k / (n - 1);
            bandas.push_back({v, v, QColor(colores.de(v))});
        }
    };
    if (colores.divergente()) {
        paradas(m.minimo, 0, 4);
        bandas.pop_back();  // zero, the first stop of the other side
        paradas(0, m.maximo, 4);
    } else {
        paradas(m.minimo, m.maximo, 7);
    }
    return bandas;
}

}  // namespace abat
