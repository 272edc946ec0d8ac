#include <QImage>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

#include "chart/escala_ejes.h"
#include "dibujo/colores_mapa.h"
#include "dibujo/estados_pozos.h"
#include "dibujo/etiquetas_isolineas.h"
#include "dibujo/pintar_limites.h"
#include "dibujo/pintar_mapa.h"
#include "dibujo/texto_numero.h"
#include "model/numeros.h"

namespace abat {
namespace {

constexpr double margen_izquierdo = 72;
constexpr double margen_inferior = 46;
constexpr double margen_superior = 12;
constexpr double margen_derecho = 118;   // the colour bar, its labels and its title
constexpr size_t nombres_maximos = 300;  // beyond, the names would hide the map

// The node values interpolated across each pixel, coloured by band.
QImage bandas(const DibujoMapa& m, QSize pixeles) {
    QImage imagen(pixeles, QImage::Format_RGB32);
    const ColoresMapa colores(m);
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
    Plano(const Caja& v, const QRectF& area) : v_(v), a_(area) {}
    QPointF en(double x, double y) const {
        return {a_.left() + (x - v_.xmin) / v_.ancho() * a_.width(),
                a_.bottom() - (y - v_.ymin) / v_.alto() * a_.height()};
    }
    double metros_por_pixel() const { return v_.ancho() / a_.width(); }

  private:
    const Caja& v_;
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

// Each isoline as the plot draws it, with its level's text.
std::vector<LineaDibujada> trazos(const DibujoMapa& m, const Plano& plano) {
    std::vector<LineaDibujada> lineas;
    lineas.reserve(m.isolineas.size());
    for (const Isolinea& l : m.isolineas) {
        QPolygonF linea;
        linea.reserve(static_cast<qsizetype>(l.puntos.size()));
        for (const auto& [x, y] : l.puntos) linea << plano.en(x, y);
        lineas.push_back({std::move(linea), texto_numero(l.nivel)});
    }
    return lineas;
}

void isolineas(QPainter& p, const DibujoMapa& m, const std::vector<LineaDibujada>& lineas) {
    for (size_t k = 0; k < lineas.size(); ++k) {
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), m.isolineas[k].nivel == 0 ? 1.6 : 0.9));
        p.drawPolyline(lineas[k].puntos);
    }
}

// Each level on a light box along its line.
void etiquetas(QPainter& p, const std::vector<EtiquetaIsolinea>& lista) {
    for (const EtiquetaIsolinea& e : lista) {
        const QRectF caja(QPointF(-e.tamano.width() / 2, -e.tamano.height() / 2), e.tamano);
        p.save();
        p.translate(e.centro);
        p.rotate(-e.angulo);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawRoundedRect(caja, 3, 3);
        p.setPen(Qt::black);
        p.drawText(caja, Qt::AlignCenter, e.texto);
        p.restore();
    }
}

constexpr double radio_marca = 6;
const QPointF desde_la_marca(8, -6);  // where a name's baseline begins

// While few enough show to read them.
bool con_nombres(const MarcasMapa& m, const Plano& plano, const QRectF& area) {
    const auto dentro = [&](const MarcaMapa& k) { return area.contains(plano.en(k.x, k.y)); };
    return static_cast<size_t>(std::count_if(m.pozos.begin(), m.pozos.end(), dentro) +
                               std::count_if(m.puntos.begin(), m.puntos.end(), dentro)) <=
           nombres_maximos;
}

// What the marks in view and their names cover, halo included.
std::vector<QRectF> cajas_de_marcas(const MarcasMapa& m, const Plano& plano, const QRectF& area,
                                    const QFontMetricsF& letra) {
    const bool nombres = con_nombres(m, plano, area);
    std::vector<QRectF> cajas;
    for (const std::vector<MarcaMapa>* lista : {&m.pozos, &m.puntos}) {
        for (const MarcaMapa& k : *lista) {
            const QPointF c = plano.en(k.x, k.y);
            if (!area.contains(c)) continue;
            const double r = radio_marca + 1;
            cajas.emplace_back(c - QPointF(r, r), QSizeF(2 * r, 2 * r));
            if (!nombres) continue;
            const QString t = QString::fromStdString(k.nombre);
            cajas.emplace_back(c + desde_la_marca - QPointF(1, letra.ascent() + 1),
                               QSizeF(letra.horizontalAdvance(t) + 2, letra.height() + 2));
        }
    }
    return cajas;
}

// Pumping wells as red triangles, stopped ones grey, injecting wells as blue ones pointing down,
// points as black diamonds; each name beside its mark while there are few enough to read.
void marcas(QPainter& p, const MarcasMapa& m, const Plano& plano, const QRectF& area) {
    const bool nombres = con_nombres(m, plano, area);
    for (const MarcaMapa& k : m.pozos) {
        const QPointF c = plano.en(k.x, k.y);
        if (!area.contains(c)) continue;
        marca_de_pozo(p, c, k.estado);
        if (nombres) texto_con_halo(p, c + desde_la_marca, QString::fromStdString(k.nombre));
    }
    for (const MarcaMapa& k : m.puntos) {
        const QPointF c = plano.en(k.x, k.y);
        if (!area.contains(c)) continue;
        marca_de_punto(p, c);
        if (nombres) texto_con_halo(p, c + desde_la_marca, QString::fromStdString(k.nombre));
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
    const ColoresMapa colores(m);
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

// A bar of round metres in the lower left corner, half black and half white, on a light box.
struct Escala {
    double metros;
    double largo;    // pixels
    QPointF origen;  // the bar's upper left corner
    QString texto;
    QRectF caja;
};

Escala escala(const Plano& plano, const QRectF& area, const QFontMetricsF& letra) {
    Escala e;
    e.metros = longitud_escala(plano.metros_por_pixel());
    e.largo = e.metros / plano.metros_por_pixel();
    e.origen = QPointF(area.left() + 12, area.bottom() - 14);
    e.texto = texto_numero(e.metros) + QStringLiteral(" m");
    e.caja = QRectF(e.origen.x() - 6, e.origen.y() - letra.height() - 8,
                    std::max(e.largo, letra.horizontalAdvance(e.texto)) + 12, letra.height() + 18);
    return e;
}

void barra_de_escala(QPainter& p, const Escala& e) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawRoundedRect(e.caja, 3, 3);
    p.setPen(Qt::black);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(e.origen.x(), e.origen.y(), e.largo / 2, 5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(e.origen.x() + e.largo / 2, e.origen.y(), e.largo / 2, 5));
    p.drawText(QPointF(e.origen.x(), e.origen.y() - 4), e.texto);
}

// The system's name in the upper right corner, on a light box; none when it has none.
QRectF caja_de_sistema(const DibujoMapa& m, const QRectF& area, const QFontMetricsF& letra) {
    if (m.sistema.empty()) return {area.right() - 6, area.top() + 6, 0, 0};
    const double ancho = letra.horizontalAdvance(QString::fromStdString(m.sistema));
    return {area.right() - ancho - 14, area.top() + 6, ancho + 8, letra.height() + 4};
}

void sistema(QPainter& p, const DibujoMapa& m, const QRectF& caja) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawRect(caja);
    p.setPen(Qt::black);
    p.drawText(caja, Qt::AlignCenter, QString::fromStdString(m.sistema));
}

// A north arrow, the map being drawn north up: an arrowhead half black and half white under an
// "N", on a light box.
QRectF caja_de_norte(const QRectF& area, double debajo_de, const QFontMetricsF& letra) {
    const double ancho = 26;
    return {area.right() - ancho - 6, debajo_de + 6, ancho, letra.height() + 34};
}

void norte(QPainter& p, const QRectF& caja, const QFontMetricsF& letra) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawRoundedRect(caja, 3, 3);
    const double cx = caja.center().x();
    const double arriba = caja.top() + letra.height() + 4;
    const QPointF punta(cx, arriba);
    const QPointF base(cx, arriba + 24);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF({punta, base, QPointF(cx - 7, arriba + 28)}));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({punta, QPointF(cx + 7, arriba + 28), base}));
    p.drawText(QRectF(caja.left(), caja.top() + 2, caja.width(), letra.height()), Qt::AlignCenter,
               QStringLiteral("N"));
}

// The scale bar, the system's box and the north arrow, where the plot puts them.
struct Adornos {
    Escala escala;
    QRectF sistema;  // empty when not drawn
    QRectF norte;
};

Adornos adornos(const DibujoMapa& m, const Plano& plano, const QRectF& area,
                const QFontMetricsF& letra, const OpcionesMapa& opciones) {
    Adornos a;
    a.escala = escala(plano, area, letra);
    a.sistema = opciones.sistema && !m.sistema.empty() ? caja_de_sistema(m, area, letra)
                                                       : QRectF(area.right() - 6, area.top(), 0, 0);
    a.norte = caja_de_norte(area, a.sistema.bottom(), letra);
    return a;
}

// What the isolines' labels keep off: the marks and their names, the scale bar, the system
// and the north arrow.
std::vector<QRectF> ocupado(const DibujoMapa& m, const Plano& plano, const QRectF& area,
                            const QFontMetricsF& letra, const OpcionesMapa& opciones,
                            const Adornos& a) {
    std::vector<QRectF> cajas;
    if (m.marcas) cajas = cajas_de_marcas(*m.marcas, plano, area, letra);
    cajas.push_back(a.escala.caja);
    if (!a.sistema.isEmpty()) cajas.push_back(a.sistema);
    if (opciones.norte) cajas.push_back(a.norte);
    return cajas;
}

}  // namespace

void marca_de_pozo(QPainter& p, QPointF c, EstadoPozo estado) {
    const bool inyecta = estado == EstadoPozo::inyeccion;
    const double s = inyecta ? -radio_marca : radio_marca;
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(inyecta                        ? color_inyeccion
               : estado == EstadoPozo::parado ? QColor(0x80, 0x80, 0x80)
                                              : QColor(0xE4, 0x1A, 0x1C));
    p.drawPolygon(
        QPolygonF({c + QPointF(0, -s), c + QPointF(radio_marca, s), c + QPointF(-radio_marca, s)}));
}

void marca_de_punto(QPainter& p, QPointF c) {
    const double r = radio_marca;
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawPolygon(
        QPolygonF({c + QPointF(0, -r), c + QPointF(r, 0), c + QPointF(0, r), c + QPointF(-r, 0)}));
}

QRectF area_de_trazado(QSizeF tamano) {
    return {margen_izquierdo, margen_superior,
            std::max(tamano.width() - margen_izquierdo - margen_derecho, 10.0),
            std::max(tamano.height() - margen_superior - margen_inferior, 10.0)};
}

std::vector<EtiquetaIsolinea> etiquetas_del_mapa(const DibujoMapa& m, QSizeF tamano,
                                                 const QFontMetricsF& letra,
                                                 const OpcionesMapa& opciones) {
    const QRectF area = area_de_trazado(tamano);
    const Plano plano(m.vista, area);
    return colocar_etiquetas(
        trazos(m, plano), letra, area,
        ocupado(m, plano, area, letra, opciones, adornos(m, plano, area, letra, opciones)));
}

void pintar_mapa(QPainter& p, QSizeF tamano, const DibujoMapa& m, const OpcionesMapa& opciones) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(QPointF(0, 0), tamano), Qt::white);
    const QRectF area = area_de_trazado(tamano);
    const Plano plano(m.vista, area);
    const double densidad = std::max(1.0, p.device()->devicePixelRatioF());
    p.drawImage(area, bandas(m, (area.size() * densidad).toSize()));
    const QFontMetricsF letra(p.font());
    const Adornos a = adornos(m, plano, area, letra, opciones);
    const std::vector<LineaDibujada> lineas = trazos(m, plano);
    p.save();
    p.setClipRect(area);
    isolineas(p, m, lineas);
    if (m.marcas)
        pintar_limites(p, m.marcas->limites, area,
                       [&](double x, double y) { return plano.en(x, y); });
    etiquetas(p,
              colocar_etiquetas(lineas, letra, area, ocupado(m, plano, area, letra, opciones, a)));
    if (m.marcas) marcas(p, *m.marcas, plano, area);
    barra_de_escala(p, a.escala);
    if (!a.sistema.isEmpty()) sistema(p, m, a.sistema);
    if (opciones.norte) norte(p, a.norte, letra);
    p.restore();
    ejes(p, m, plano, area);
    barra_de_color(p, m, area);
    p.restore();
}

}  // namespace abat
