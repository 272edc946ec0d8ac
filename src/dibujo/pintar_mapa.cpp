#include <QImage>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

#include "chart/escala_ejes.h"
#include "dibujo/pintar_limites.h"
#include "dibujo/pintar_mapa.h"
#include "dibujo/rampa_viridis.h"
#include "dibujo/texto_numero.h"
#include "model/numeros.h"

namespace abat {
namespace {

constexpr double margen_izquierdo = 72;
constexpr double margen_inferior = 46;
constexpr double margen_superior = 12;
constexpr double margen_derecho = 118;   // the colour bar, its labels and its title
constexpr size_t nombres_maximos = 300;  // beyond, the names would hide the map

// Light for a small drawdown and dark for a large one, as the plan chart's classes.
const std::array<QColor, 7>& secuencial = rampa_viridis;
// Where injection raises the water: blue below zero, white at zero, red above.
const std::array<QColor, 7> divergente = {QColor(0x21, 0x66, 0xAC), QColor(0x67, 0xA9, 0xCF),
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

// The colour of a value: that of the middle of its band between isolines, so each band is one
// colour; a diverging ramp, symmetric about zero, when part of the field is negative. Each band's
// colour is worked out once.
class Colores {
  public:
    explicit Colores(const DibujoMapa& m)
        : m_(m),
          divergente_(m.minimo < 0 && m.maximo > 0),
          alcance_(std::max(std::fabs(m.minimo), std::fabs(m.maximo))),
          intervalo_(m.niveles.intervalo) {
        if (intervalo_ > 0) {
            primera_ = std::floor(m.minimo / intervalo_);
            const double ultima = std::floor(m.maximo / intervalo_);
            for (double b = primera_; b <= ultima; ++b)
                bandas_.push_back(calcular((b + 0.5) * intervalo_));
        }
    }

    QRgb de(double v) const {
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

  private:
    QRgb calcular(double c) const {
        if (divergente_) return en_rampa(divergente, 0.5 + c / (2 * alcance_)).rgb();
        const double rango = m_.maximo - m_.minimo;
        return en_rampa(secuencial, rango > 0 ? (c - m_.minimo) / rango : 0.5).rgb();
    }

    const DibujoMapa& m_;
    bool divergente_;
    double alcance_;
    double intervalo_;
    double primera_ = 0;
    std::vector<QRgb> bandas_;
};

// The node values interpolated across each pixel, coloured by band.
QImage bandas(const DibujoMapa& m, QSize pixeles) {
    QImage imagen(pixeles, QImage::Format_RGB32);
    const Colores colores(m);
    const Rejilla& r = m.rejilla;
    for (int py = 0; py < pixeles.height(); ++py) {
        const double y = m.vista.ymax - (py + 0.5) / pixeles.height() * m.vista.alto();
        const double fy = std::clamp((y - r.y0) / r.dy, 0.0, r.ny - 1.000001);
        const int j = static_cast<int>(fy);
        auto* fila = reinterpret_cast<QRgb*>(imagen.scanLine(py));
        for (int px = 0; px < pixeles.width(); ++px) {
            const double x = m.vista.xmin + (px + 0.5) / pixeles.width() * m.vista.ancho();
            const double fx = std::clamp((x - r.x0) / r.dx, 0.0, r.nx - 1.000001);
            const int i = static_cast<int>(fx);
            const double a = fx - i;
            const double b = fy - j;
            const double v = (1 - b) * ((1 - a) * r.valor(i, j) + a * r.valor(i + 1, j)) +
                             b * ((1 - a) * r.valor(i, j + 1) + a * r.valor(i + 1, j + 1));
            fila[px] = colores.de(v);
        }
    }
    return imagen;
}

class Plano {
  public:
    Plano(const VistaMapa& v, const QRectF& area) : v_(v), a_(area) {}
    QPointF en(double x, double y) const {
        return {a_.left() + (x - v_.xmin) / v_.ancho() * a_.width(),
                a_.bottom() - (y - v_.ymin) / v_.alto() * a_.height()};
    }
    double metros_por_pixel() const { return v_.ancho() / a_.width(); }

  private:
    const VistaMapa& v_;
    QRectF a_;
};

// Black on a white outline, readable on any band: the text drawn white around, then black.
void texto_con_halo(QPainter& p, QPointF donde, const QString& t) {
    p.setPen(Qt::white);
    for (const QPointF d : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)}) {
        p.drawText(donde + d, t);
    }
    p.setPen(Qt::black);
    p.drawText(donde, t);
}

// Each isoline, and its level written along it where it runs straight for a while, upright and
// never over another label.
void isolineas(QPainter& p, const DibujoMapa& m, const Plano& plano) {
    std::vector<QRectF> ocupado;
    const QFontMetricsF letra(p.font());
    for (const Isolinea& l : m.isolineas) {
        QPolygonF linea;
        linea.reserve(static_cast<qsizetype>(l.puntos.size()));
        for (const auto& [x, y] : l.puntos) linea << plano.en(x, y);
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), l.nivel == 0 ? 1.6 : 0.9));
        p.drawPolyline(linea);
        const QString etiqueta = texto_numero(l.nivel);
        const double ancho = letra.horizontalAdvance(etiqueta) + 6;
        double recorrido = 0;
        double siguiente = 80;  // where along the line the next label may go
        for (qsizetype k = 1; k < linea.size(); ++k) {
            const QLineF tramo(linea[k - 1], linea[k]);
            recorrido += tramo.length();
            if (recorrido < siguiente || tramo.length() < 2) continue;
            const QPointF centro = tramo.center();
            const QRectF caja(centro - QPointF(ancho / 2, letra.height() / 2),
                              QSizeF(ancho, letra.height()));
            if (std::any_of(ocupado.begin(), ocupado.end(),
                            [&](const QRectF& o) { return o.intersects(caja); }))
                continue;
            ocupado.push_back(caja);
            siguiente = recorrido + 400;
            double angulo = tramo.angle();  // counter-clockwise, degrees
            if (angulo > 90 && angulo <= 270) angulo -= 180;
            p.save();
            p.translate(centro);
            p.rotate(-angulo);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 200));
            p.drawRoundedRect(QRectF(-ancho / 2, -letra.height() / 2, ancho, letra.height()), 3, 3);
            p.setPen(Qt::black);
            p.drawText(QRectF(-ancho / 2, -letra.height() / 2, ancho, letra.height()),
                       Qt::AlignCenter, etiqueta);
            p.restore();
        }
    }
}

QPolygonF triangulo(QPointF c, double r, bool invertido) {
    const double s = invertido ? -1 : 1;
    return QPolygonF({c + QPointF(0, -r * s), c + QPointF(r, r * s), c + QPointF(-r, r * s)});
}

// Pumping wells as red triangles, injecting wells as blue ones pointing down, points as black
// diamonds; each name beside its mark while there are few enough to read.
void marcas(QPainter& p, const MarcasMapa& m, const Plano& plano, const QRectF& area) {
    const auto dentro = [&](const MarcaMapa& k) { return area.contains(plano.en(k.x, k.y)); };
    const auto vistas =
        static_cast<size_t>(std::count_if(m.pozos.begin(), m.pozos.end(), dentro) +
                            std::count_if(m.puntos.begin(), m.puntos.end(), dentro));
    const bool con_nombres = vistas <= nombres_maximos;
    for (const MarcaMapa& k : m.pozos) {
        if (!dentro(k)) continue;
        const QPointF c = plano.en(k.x, k.y);
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(k.inyecta ? QColor(0x1F, 0x4E, 0xB4) : QColor(0xE4, 0x1A, 0x1C));
        p.drawPolygon(triangulo(c, 6, k.inyecta));
        if (con_nombres) texto_con_halo(p, c + QPointF(8, -6), QString::fromStdString(k.nombre));
    }
    for (const MarcaMapa& k : m.puntos) {
        if (!dentro(k)) continue;
        const QPointF c = plano.en(k.x, k.y);
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF(
            {c + QPointF(0, -6), c + QPointF(6, 0), c + QPointF(0, 6), c + QPointF(-6, 0)}));
        if (con_nombres) texto_con_halo(p, c + QPointF(8, -6), QString::fromStdString(k.nombre));
    }
}

// Labelled ticks at round metres on both axes, and their titles.
void ejes(QPainter& p, const DibujoMapa& m, const Plano& plano, const QRectF& area) {
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(area);
    const QFontMetricsF letra(p.font());
    const EscalaEje ex = escala_automatica(m.vista.xmin, m.vista.xmax);
    for (double n = std::ceil(m.vista.xmin / ex.unidad); n * ex.unidad <= m.vista.xmax; ++n) {
        const double x = plano.en(n * ex.unidad, m.vista.ymin).x();
        p.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 4));
        const QString t = texto_numero(n * ex.unidad);
        p.drawText(QPointF(x - letra.horizontalAdvance(t) / 2, area.bottom() + 6 + letra.ascent()),
                   t);
    }
    const EscalaEje ey = escala_automatica(m.vista.ymin, m.vista.ymax);
    for (double n = std::ceil(m.vista.ymin / ey.unidad); n * ey.unidad <= m.vista.ymax; ++n) {
        const double y = plano.en(m.vista.xmin, n * ey.unidad).y();
        p.drawLine(QPointF(area.left() - 4, y), QPointF(area.left(), y));
        const QString t = texto_numero(n * ey.unidad);
        p.drawText(
            QPointF(area.left() - 7 - letra.horizontalAdvance(t), y + letra.ascent() / 2 - 1), t);
    }
    p.drawText(
        QRectF(area.left(), area.bottom() + 8 + letra.height(), area.width(), letra.height() + 4),
        Qt::AlignCenter, QStringLiteral("X [m]"));
    p.save();
    p.translate(14, area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-area.height() / 2, -letra.height(), area.height(), letra.height() + 4),
               Qt::AlignCenter, QStringLiteral("Y [m]"));
    p.restore();
}

// The bands from the least value (below) to the greatest, each level written beside it.
void barra_de_color(QPainter& p, const DibujoMapa& m, const QRectF& area) {
    const QRectF barra(area.right() + 14, area.top(), 18, area.height());
    const Colores colores(m);
    const double bajo = m.minimo;
    const double alto = m.maximo > m.minimo ? m.maximo : m.minimo + 1;
    const auto y_de = [&](double v) {
        return barra.bottom() - (v - bajo) / (alto - bajo) * barra.height();
    };
    for (int py = 0; py < static_cast<int>(barra.height()); ++py) {
        const double v = bajo + (py + 0.5) / barra.height() * (alto - bajo);
        p.fillRect(QRectF(barra.left(), barra.bottom() - py - 1, barra.width(), 1),
                   QColor(colores.de(v)));
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(barra);
    const QFontMetricsF letra(p.font());
    const size_t cada = std::max<size_t>(1, m.niveles.niveles.size() / 15);  // at most ~15 labels
    for (size_t k = 0; k < m.niveles.niveles.size(); k += cada) {
        const double y = y_de(m.niveles.niveles[k]);
        p.drawLine(QPointF(barra.right(), y), QPointF(barra.right() + 4, y));
        p.drawText(QPointF(barra.right() + 6, y + letra.ascent() / 2 - 1),
                   texto_numero(m.niveles.niveles[k]));
    }
    p.save();
    p.translate(barra.right() + 6 + letra.horizontalAdvance(QStringLiteral("-0000.00")) + 8,
                area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-area.height() / 2, -letra.height(), area.height(), letra.height() + 4),
               Qt::AlignCenter, QStringLiteral("Abatimiento [m]"));
    p.restore();
}

// A bar of round metres in the lower left corner, half black and half white.
void barra_de_escala(QPainter& p, const Plano& plano, const QRectF& area) {
    const double metros = longitud_escala(plano.metros_por_pixel());
    const double largo = metros / plano.metros_por_pixel();
    const QPointF origen(area.left() + 12, area.bottom() - 14);
    const QFontMetricsF letra(p.font());
    const QString t = texto_numero(metros) + QStringLiteral(" m");
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawRoundedRect(QRectF(origen.x() - 6, origen.y() - letra.height() - 8,
                             std::max(largo, letra.horizontalAdvance(t)) + 12, letra.height() + 18),
                      3, 3);
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(origen.x(), origen.y(), largo / 2, 5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(origen.x() + largo / 2, origen.y(), largo / 2, 5));
    p.drawText(QPointF(origen.x(), origen.y() - 4), t);
}

void sistema(QPainter& p, const DibujoMapa& m, const QRectF& area) {
    if (m.sistema.empty()) return;
    const QString t = QString::fromStdString(m.sistema);
    const QFontMetricsF letra(p.font());
    const QRectF caja(area.right() - letra.horizontalAdvance(t) - 14, area.top() + 6,
                      letra.horizontalAdvance(t) + 8, letra.height() + 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawRect(caja);
    p.setPen(Qt::black);
    p.drawText(caja, Qt::AlignCenter, t);
}

}  // namespace

QRectF area_de_trazado(QSizeF tamano) {
    return {margen_izquierdo, margen_superior,
            std::max(tamano.width() - margen_izquierdo - margen_derecho, 10.0),
            std::max(tamano.height() - margen_superior - margen_inferior, 10.0)};
}

void pintar_mapa(QPainter& p, QSizeF tamano, const DibujoMapa& m) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(QPointF(0, 0), tamano), Qt::white);
    const QRectF area = area_de_trazado(tamano);
    const Plano plano(m.vista, area);
    const double densidad = std::max(1.0, p.device()->devicePixelRatioF());
    p.drawImage(area, bandas(m, (area.size() * densidad).toSize()));
    p.save();
    p.setClipRect(area);
    isolineas(p, m, plano);
    if (m.marcas && m.marcas->limites)
        pintar_limites(p, *m.marcas->limites, area,
                       [&](double x, double y) { return plano.en(x, y); });
    if (m.marcas) marcas(p, *m.marcas, plano, area);
    barra_de_escala(p, plano, area);
    sistema(p, m, area);
    p.restore();
    ejes(p, m, plano, area);
    barra_de_color(p, m, area);
    p.restore();
}

}  // namespace abat
