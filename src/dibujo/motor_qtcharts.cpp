#include "dibujo/motor_qtcharts.h"

#include <QChart>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <limits>
#include <stdexcept>
#include <unordered_set>

#include "dibujo/eje_lineal.h"
#include "dibujo/estados_pozos.h"
#include "dibujo/gif.h"
#include "dibujo/pintar_grafico.h"
#include "dibujo/pintar_limites.h"
#include "dibujo/rampa_viridis.h"
#include "model/clases_abatimiento.h"
#include "model/errores.h"
#include "model/numeros.h"

namespace abat {
namespace {

static_assert(rampa_viridis.size() == numero_clases);  // a colour per class
const auto& rampa = rampa_viridis;
// Wells and points in colours that no class takes, drawn as outlines: the node under a well has
// the largest drawdown of the grid, and must show through.
const QColor color_pozos(0xE4, 0x1A, 0x1C);
const QColor color_puntos(0x00, 0x00, 0x00);
const QColor borde_nodos(0x80, 0x80, 0x80);

QColor color_bgr(int color) {  // the engine's colours are 0xBBGGRR, red in the low byte
    return {color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF};
}

std::string texto_celda(const ValorCelda& v) {
    if (const auto* t = std::get_if<std::string>(&v)) return *t;
    if (const auto* n = std::get_if<double>(&v)) return number_to_text(*n);
    return {};
}

bool es_pozos_o_puntos(const std::string& nombre) {
    return nombre == "Pozos" || nombre == "Puntos";
}

// Wells as red triangles and points as black diamonds, outlined: the node under a well has the
// largest drawdown of the grid, and must show through.
struct Marca {
    QScatterSeries::MarkerShape forma;
    int lado;    // pixels
    int grosor;  // of the outline
};

Marca marca_de(const std::string& nombre) {
    if (nombre == "Pozos") return {QScatterSeries::MarkerShapeTriangle, 22, 3};
    return {QScatterSeries::MarkerShapeRotatedRectangle, 17, 2};
}

QPolygonF contorno(const Marca& m, QPointF centro) {
    const double r = m.lado / 2.0;
    if (m.forma == QScatterSeries::MarkerShapeTriangle) {
        return QPolygonF(
            {centro + QPointF(0, -r), centro + QPointF(r, r), centro + QPointF(-r, r)});
    }
    return QPolygonF({centro + QPointF(0, -r), centro + QPointF(r, 0), centro + QPointF(0, r),
                      centro + QPointF(-r, 0)});
}

void dar_estilo(QScatterSeries* s, const std::string& nombre) {
    const QColor color = MotorQtCharts::color_serie(nombre);
    if (es_pozos_o_puntos(nombre)) {
        const Marca m = marca_de(nombre);
        s->setMarkerShape(m.forma);
        s->setMarkerSize(m.lado);
        s->setColor(Qt::transparent);
        s->setPen(QPen(color, m.grosor));
    } else {
        s->setColor(color);
        s->setMarkerShape(QScatterSeries::MarkerShapeCircle);
        s->setMarkerSize(9);
        s->setBorderColor(borde_nodos);
    }
}

// The place of (x, y) in the plot area, whose edges are the axes' limits.
QPointF en_area(const QRectF& area, const EscalaEje& ex, const EscalaEje& ey, double x, double y) {
    return {area.left() + (x - ex.minimo) / (ex.maximo - ex.minimo) * area.width(),
            area.bottom() - (y - ey.minimo) / (ey.maximo - ey.minimo) * area.height()};
}

// One marker drawn once, to be copied to every place on a picture.
QImage sello(const Marca& m, const QPen& pluma, double densidad) {
    const int lado = m.lado + 2 * m.grosor + 2;
    QImage imagen(QSize(lado, lado) * densidad, QImage::Format_ARGB32_Premultiplied);
    imagen.setDevicePixelRatio(densidad);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(pluma);
    p.drawPolygon(contorno(m, QPointF(lado / 2.0, lado / 2.0)));
    return imagen;
}

// Each place once per pixel. On a picture the marker is drawn once and copied: a field of
// 100,000 wells paints in a fraction of the time; a vector file gets each marker as lines.
void pintar_marcas(QPainter& pintor, const PlanoDibujo::Serie& s, const QRectF& area,
                   const EscalaEje& ex, const EscalaEje& ey) {
    const Marca m = marca_de(s.nombre);
    const QPen pluma(MotorQtCharts::color_serie(s.nombre), m.grosor);
    const bool imagen = pintor.device()->devType() == QInternal::Image;
    const QImage copia = imagen ? sello(m, pluma, pintor.device()->devicePixelRatioF()) : QImage();
    const QPointF mitad =
        QPointF(copia.deviceIndependentSize().width(), copia.deviceIndependentSize().height()) / 2;
    pintor.setPen(pluma);
    pintor.setBrush(Qt::NoBrush);
    std::unordered_set<int64_t> pintados;
    for (size_t i = 0; i < s.x.size(); ++i) {
        const QPointF centro = en_area(area, ex, ey, s.x[i], s.y[i]);
        const QPoint pixel = centro.toPoint();
        if (!pintados.insert((int64_t{pixel.x()} << 32) ^ uint32_t(pixel.y())).second) continue;
        if (imagen) {
            pintor.drawImage(QPointF(pixel) - mitad, copia);
        } else {
            pintor.drawPolygon(contorno(m, centro));
        }
    }
}

// A well not pumping at the chart's time gets its state's mark over its own.
void pintar_estados(QPainter& pintor, const PlanoDibujo::Serie& s,
                    const std::vector<EstadoPozo>& estados, const QRectF& area, const EscalaEje& ex,
                    const EscalaEje& ey) {
    const Marca m = marca_de(s.nombre);
    for (size_t i = 0; i < s.x.size() && i < estados.size(); ++i) {
        if (estados[i] == EstadoPozo::bombeo) continue;
        marca_de_estado(pintor, en_area(area, ex, ey, s.x[i], s.y[i]), estados[i], m.lado);
    }
}

// The states the chart shows, named under the legend, which names the series alone.
void nombrar_estados(QPainter& pintor, const QChart& grafico, double alto,
                     const std::vector<EstadoPozo>& estados) {
    const Marca m = marca_de("Pozos");
    leyenda_de_estados(pintor, grafico.legend()->geometry(), alto, grafico.legend()->font(),
                       estados, m.lado, [&m](QPainter& p, QPointF c, double escala) {
                           p.save();
                           p.translate(c);
                           p.scale(escala, escala);
                           p.setPen(QPen(color_pozos, m.grosor));
                           p.setBrush(Qt::NoBrush);
                           p.drawPolygon(contorno(m, QPointF(0, 0)));
                           p.restore();
                       });
}

}  // namespace

QColor MotorQtCharts::color_serie(const std::string& nombre) {
    if (nombre == "Pozos") return color_pozos;
    if (nombre == "Puntos") return color_puntos;
    const auto* const it = std::find(nombres_clases.begin(), nombres_clases.end(), nombre);
    return it == nombres_clases.end()
               ? QColor(Qt::gray)
               : QColor(rampa[static_cast<size_t>(it - nombres_clases.begin())]);
}

std::vector<QRgb> MotorQtCharts::colores_exactos() {
    std::vector<QRgb> c = {qRgb(255, 255, 255), qRgb(0, 0, 0), color_pozos.rgb(),
                           color_puntos.rgb()};
    for (const QColor& r : rampa) c.push_back(r.rgb());
    return c;
}

void MotorQtCharts::crear() {
    hoja_.emplace();
    series_.clear();
    hayGrafico_ = false;
}

Hoja& MotorQtCharts::hojaActiva() {
    if (!hoja_) throw std::logic_error("el motor del gráfico no se ha creado");
    for (const Serie& s : series_) s.leidos.reset();  // the worksheet may change now
    return *hoja_;
}

// The picture's size is that of the box that shows it, not the object's.
void MotorQtCharts::agregarObjetoGrafico(double /*left*/, double /*top*/, double /*width*/,
                                         double /*height*/) {
    hojaActiva();
    hayGrafico_ = true;
}

// "A1:B7": the series named by B1, x from A2:A7, y from B2:B7.
void MotorQtCharts::asistenteGrafico(const std::string& origen) {
    const size_t dos_puntos = origen.find(':');
    const auto [cx, f1] = celda(origen.substr(0, dos_puntos));
    const auto [cy, f2] = celda(origen.substr(dos_puntos + 1));
    series_.clear();
    series_.push_back({texto_celda(hojaActiva().get(direccion_celda(cy, f1))),
                       {cy, f1 + 1, f2},
                       Rango{cx, f1 + 1, f2},
                       nullptr});
}

void MotorQtCharts::rellenoAreaGrafico(int /*patron: always solid*/, int color) {
    fondoGrafico_ = color_bgr(color);
}

void MotorQtCharts::colorAreaTrazado(int color) {
    fondoTrazado_ = color_bgr(color);
}

void MotorQtCharts::agregarSerie(const std::string& origen) {
    const Rango r = rango(origen);
    series_.push_back({texto_celda(hojaActiva().get(direccion_celda(r.columna, r.desde))),
                       {r.columna, r.desde + 1, r.hasta},
                       std::nullopt,
                       nullptr});
}

MotorQtCharts::Serie& MotorQtCharts::serie(int indice) {
    if (indice < 1 || indice > static_cast<int>(series_.size())) {
        throw std::out_of_range("serie inexistente");
    }
    return series_[static_cast<size_t>(indice - 1)];
}

void MotorQtCharts::valoresX(int indice, const std::string& origen) {
    serie(indice).x = rango(origen);
    serie(indice).leidos.reset();
}

// The points of a series: each y with the x of the same place in the x range (1, 2, ... without
// one); a pair with an empty cell gives no point.
const MotorQtCharts::Puntos& MotorQtCharts::puntos(const Serie& s) const {
    if (s.leidos) return *s.leidos;
    const auto ys = hoja_->numeros(s.y);
    const auto xs = s.x ? hoja_->numeros(*s.x) : std::vector<std::optional<double>>{};
    auto p = std::make_shared<Puntos>();
    for (size_t i = 0; i < ys.size(); ++i) {
        const std::optional<double> x =
            s.x ? (i < xs.size() ? xs[i] : std::nullopt) : std::optional<double>(double(i + 1));
        if (!x || !ys[i]) continue;
        p->x.push_back(*x);
        p->y.push_back(*ys[i]);
    }
    s.leidos = p;
    return *p;
}

std::pair<double, double> MotorQtCharts::extremos(Eje e) const {
    double menor = std::numeric_limits<double>::infinity();
    double mayor = -menor;
    for (const Serie& s : series_) {
        const Puntos& p = puntos(s);
        for (const double v : e == Eje::x ? p.x : p.y) {
            menor = std::min(menor, v);
            mayor = std::max(mayor, v);
        }
    }
    if (menor > mayor) return {0, 0};
    return {menor, mayor};
}

double MotorQtCharts::maximo(Eje e) {
    const auto [menor, mayor] = extremos(e);
    return escala_automatica(menor, mayor).maximo;
}

double MotorQtCharts::minimo(Eje e) {
    const auto [menor, mayor] = extremos(e);
    return escala_automatica(menor, mayor).minimo;
}

PlanoDibujo MotorQtCharts::plano() const {
    PlanoDibujo d{{}, fondoGrafico_, fondoTrazado_, {}, {}};
    d.estados = estados_;
    for (const Serie& s : series_) {
        const Puntos& p = puntos(s);
        d.series.push_back({s.nombre, p.x, p.y});
    }
    const auto [xmin, xmax] = extremos(Eje::x);
    const auto [ymin, ymax] = extremos(Eje::y);
    d.ex = escala_automatica(xmin, xmax);
    d.ey = escala_automatica(ymin, ymax);
    d.limites = limites_;
    return d;
}

QImage MotorQtCharts::dibujar() {
    if (!hayGrafico_) throw std::logic_error("no hay gráfico");
    auto d = std::make_shared<const PlanoDibujo>(plano());
    const auto pintar = [&](QPainter& pintor, QSizeF tamano) {
        areaTrazado_ = d->pintar(pintor, tamano).toAlignedRect();
    };
    QImage imagen = imagen_de(pintar, tamano_, 1, d->fondoGrafico);
    ultimo_ = std::move(d);
    return imagen;
}

// The wells and points are named first in the legend, by series without data, and painted over
// the grid's nodes once the chart is drawn: a field of 100,000 wells as chart items would take
// minutes to lay out. Wells that fall on the same pixel are painted once.
QRectF PlanoDibujo::pintar(QPainter& pintor, QSizeF tamano) const {
    QChart grafico;
    grafico.setBackgroundBrush(fondoGrafico);
    grafico.setPlotAreaBackgroundBrush(fondoTrazado);
    grafico.setPlotAreaBackgroundVisible(true);
    grafico.legend()->setAlignment(Qt::AlignRight);
    grafico.legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    grafico.legend()->setLabelColor(Qt::black);
    QValueAxis* ejeX = eje_lineal(ex);
    QValueAxis* ejeY = eje_lineal(ey);
    grafico.addAxis(ejeX, Qt::AlignBottom);
    grafico.addAxis(ejeY, Qt::AlignLeft);
    for (const Serie& s : series) {
        auto* q = new QScatterSeries;
        // The legend reads names as rich text: "<=" would start a tag.
        q->setName(QString::fromStdString(s.nombre).toHtmlEscaped());
        dar_estilo(q, s.nombre);
        if (!es_pozos_o_puntos(s.nombre)) {
            for (size_t i = 0; i < s.x.size(); ++i) q->append(s.x[i], s.y[i]);
        }
        grafico.addSeries(q);
        q->attachAxis(ejeX);
        q->attachAxis(ejeY);
    }
    const QRectF area = pintar_grafico(grafico, pintor, tamano);
    pintar_limites(pintor, limites, area,
                   [&](double x, double y) { return en_area(area, ex, ey, x, y); });
    pintor.save();
    pintor.setClipRect(area);
    for (const Serie& s : series) {
        if (es_pozos_o_puntos(s.nombre)) pintar_marcas(pintor, s, area, ex, ey);
        if (s.nombre == "Pozos" && !estados.empty())
            pintar_estados(pintor, s, estados, area, ex, ey);
    }
    pintor.restore();
    if (!estados.empty()) nombrar_estados(pintor, grafico, tamano.height(), estados);
    return area;
}

QPointF PlanoDibujo::en_pixeles(const QRectF& area, double x, double y) const {
    return en_area(area, ex, ey, x, y);
}

void MotorQtCharts::exportar(const std::string& archivo) {
    std::vector<QRgb> colores = colores_exactos();
    if (!limites_.empty())
        colores.insert(colores.end(), {color_recarga.rgb(), color_barrera.rgb()});
    if (std::find(estados_.begin(), estados_.end(), EstadoPozo::inyeccion) != estados_.end())
        colores.push_back(color_inyeccion.rgb());
    escribir_gif(dibujar(), archivo, colores);
}

void MotorQtCharts::eliminarObjetoGrafico() {
    hayGrafico_ = false;
    series_.clear();
}

void MotorQtCharts::salir() {
    hoja_.reset();
}

}  // namespace abat
