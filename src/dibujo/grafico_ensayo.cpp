#include "dibujo/grafico_ensayo.h"

#include <QGraphicsLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QResizeEvent>
#include <algorithm>
#include <array>
#include <cmath>

#include "chart/escala_ejes.h"
#include "chart/numeros_redondos.h"
#include "dibujo/eje_lineal.h"

namespace abat {
namespace {

// The wells' colours, far apart; beyond ten they come round again.
const std::array<QColor, 10> tonos = {QColor(0x1F, 0x77, 0xB4), QColor(0xFF, 0x7F, 0x0E),
                                      QColor(0x2C, 0xA0, 0x2C), QColor(0xD6, 0x27, 0x28),
                                      QColor(0x94, 0x67, 0xBD), QColor(0x8C, 0x56, 0x4B),
                                      QColor(0xE3, 0x77, 0xC2), QColor(0xBC, 0xBD, 0x22),
                                      QColor(0x17, 0xBE, 0xCF), QColor(0x00, 0x00, 0x00)};
const QColor gris(0x80, 0x80, 0x80);
constexpr double parte_residuos = 0.3;  // of the height
const QMargins margenes_graficos(4, 4, 4, 4);

QColor color(size_t k) {
    return k == sin_color ? gris : tonos[k % tonos.size()];
}

QList<QPointF> puntos(const SerieEnsayo& s) {
    QList<QPointF> p;
    p.reserve(static_cast<qsizetype>(s.puntos.size()));
    for (const PuntoTiempo& q : s.puntos) p.append({q.t, q.s});
    return p;
}

// A reading's mark, painted in the series' own paint: thousands of readings are not thousands of
// items of the scene, which would take a tenth of a second to build.
enum class Forma { circulo, cuadrado, aspa };

QImage marca(const QColor& tono, bool hueca, Forma forma) {
    constexpr int lado = 8;
    constexpr int densidad = 2;  // sharp on a screen of twice the density, and in files
    QImage imagen(lado * densidad, lado * densidad, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    imagen.setDevicePixelRatio(densidad);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(tono, hueca ? 1.2 : 0.8));
    p.setBrush(hueca ? QBrush(Qt::NoBrush) : QBrush(tono));
    const QRectF caja(1, 1, lado - 2, lado - 2);
    switch (forma) {
        case Forma::circulo:
            p.drawEllipse(caja);
            break;
        case Forma::cuadrado:
            p.drawRect(caja);
            break;
        case Forma::aspa:  // a reading left out, crossed out
            p.setPen(QPen(tono, 1.5));
            p.drawLine(caja.topLeft(), caja.bottomRight());
            p.drawLine(caja.bottomLeft(), caja.topRight());
            break;
    }
    return imagen;
}

QXYSeries* nube(const SerieEnsayo& s, const QString& nombre, bool hueca,
                Forma forma = Forma::circulo) {
    auto* serie = new QLineSeries;
    serie->setName(nombre.toHtmlEscaped());
    serie->setPen(Qt::NoPen);
    serie->setMarkerSize(8);
    serie->setColor(color(s.color));
    serie->setLightMarker(marca(color(s.color), hueca, forma));
    serie->setPointsVisible(true);
    serie->replace(puntos(s));
    return serie;
}

QLineSeries* linea(const SerieEnsayo& s, const QPen& pluma) {
    auto* serie = new QLineSeries;
    serie->setName(QString::fromStdString(s.nombre).toHtmlEscaped());
    serie->setPen(pluma);
    serie->replace(puntos(s));
    return serie;
}

struct Rango {
    double menor = std::numeric_limits<double>::infinity();
    double mayor = -std::numeric_limits<double>::infinity();
    void abarcar(const std::vector<SerieEnsayo>& series, bool x) {
        for (const SerieEnsayo& s : series) {
            for (const PuntoTiempo& p : s.puntos) {
                const double v = x ? p.t : p.s;
                menor = std::min(menor, v);
                mayor = std::max(mayor, v);
            }
        }
    }
    bool vacio() const { return !(menor <= mayor); }
};

// A logarithmic axis over whole decades around the values (one more at each end for a single
// decade), labelled as the program writes numbers. A value on or near a decade's bound widens it
// by a fiftieth of the span: its mark is drawn whole, not cut by the plot's edge.
QLogValueAxis* eje_logaritmico(Rango r, double defecto_menor, double defecto_mayor,
                               const std::string& titulo) {
    if (r.vacio() || !(r.menor > 0)) r = {defecto_menor, defecto_mayor};
    const double menor = std::log10(r.menor);
    const double mayor = std::log10(r.mayor);
    double bajo = std::floor(menor);
    double alto = std::ceil(mayor);
    if (alto <= bajo) {
        bajo -= 1;
        alto += 1;
    }
    const double holgura = (alto - bajo) / 50;
    bajo = std::min(bajo, menor - holgura);
    alto = std::max(alto, mayor + holgura);
    auto* a = new QLogValueAxis;
    a->setBase(10);
    a->setRange(std::pow(10.0, bajo), std::pow(10.0, alto));
    a->setLabelFormat(QString::fromLatin1(formato_numeros));
    a->setMinorTickCount(8);
    a->setTitleText(QString::fromStdString(titulo));
    return a;
}

QValueAxis* eje_valores(Rango r, const std::string& titulo) {
    if (r.vacio()) r = {0, 1};
    QValueAxis* a = eje_lineal(escala_automatica(r.menor, r.mayor));
    a->setTitleText(QString::fromStdString(titulo));
    return a;
}

// The time axis: logarithmic, or linear from 0 (a step test's, whose steps show as stairs).
QAbstractAxis* eje_tiempos(const DibujoEnsayo& d, Rango x) {
    if (d.logaritmicoX) return eje_logaritmico(x, 0.1, 1000, d.ejeX);
    x.menor = std::min(x.menor, 0.0);
    return eje_valores(x, d.ejeX);
}

// Where the time axis begins and ends, whichever its kind.
std::pair<double, double> extremos(const QAbstractAxis* a) {
    if (const auto* l = qobject_cast<const QLogValueAxis*>(a)) return {l->min(), l->max()};
    const auto* v = qobject_cast<const QValueAxis*>(a);
    return {v->min(), v->max()};
}

void agregar(QChart& g, QAbstractSeries* s, QAbstractAxis* x, QAbstractAxis* y) {
    g.addSeries(s);
    s->attachAxis(x);
    s->attachAxis(y);
}

std::unique_ptr<QChart> grafico_vacio(const std::string& titulo) {
    auto g = std::make_unique<QChart>();
    g->setTitle(QString::fromStdString(titulo).toHtmlEscaped());
    g->setBackgroundBrush(Qt::white);
    g->setMargins(margenes_graficos);
    return g;
}

// The times of both charts, so that the residuals stand under their readings.
Rango tiempos(const DibujoEnsayo& d) {
    Rango x;
    x.abarcar(d.medidas, true);
    x.abarcar({d.excluidas}, true);
    x.abarcar(d.residuos, true);
    return x;
}

// The chart's margins, widened by so many pixels left and right, laid out at once.
void margenes(QChart& g, double izquierda, double derecha) {
    g.setMargins(margenes_graficos + QMargins(static_cast<int>(std::lround(izquierda)), 0,
                                              static_cast<int>(std::lround(derecha)), 0));
    g.layout()->activate();
}

}  // namespace

// Each laid out on its own first; then the margins of each widened by what the other's axis
// labels or legend take more. A fixed plot area (QChart::setPlotArea) would move the series but
// leave the axes where they were.
void alinear_graficos(QChart& arriba, QChart& abajo, QSizeF tamano) {
    const double alto_abajo = std::round(tamano.height() * parte_residuos);
    margenes(arriba, 0, 0);
    margenes(abajo, 0, 0);
    arriba.setGeometry(QRectF(0, 0, tamano.width(), tamano.height() - alto_abajo));
    abajo.setGeometry(QRectF(0, tamano.height() - alto_abajo, tamano.width(), alto_abajo));
    arriba.layout()->activate();
    abajo.layout()->activate();
    const QRectF a = arriba.plotArea();
    const QRectF b = abajo.plotArea();
    margenes(arriba, std::max(b.left() - a.left(), 0.0), std::max(a.right() - b.right(), 0.0));
    margenes(abajo, std::max(a.left() - b.left(), 0.0), std::max(b.right() - a.right(), 0.0));
}

std::unique_ptr<QChart> grafico_ensayo(const DibujoEnsayo& d) {
    auto g = grafico_vacio(d.titulo);
    g->legend()->setAlignment(Qt::AlignRight);
    const Rango x = tiempos(d);
    Rango y;
    y.abarcar(d.medidas, false);
    y.abarcar({d.excluidas}, false);
    y.abarcar(d.derivadas, false);
    if (!d.logaritmicoY) y.abarcar(d.curvas, false);
    if (!d.logaritmicoY) y.menor = std::min(y.menor, 0.0);
    QAbstractAxis* ejeX = eje_tiempos(d, x);
    QAbstractAxis* ejeY = d.logaritmicoY
                              ? static_cast<QAbstractAxis*>(eje_logaritmico(y, 0.01, 10, d.ejeY))
                              : eje_valores(y, d.ejeY);
    g->addAxis(ejeX, Qt::AlignBottom);
    g->addAxis(ejeY, Qt::AlignLeft);
    std::vector<QAbstractSeries*> sin_leyenda;
    for (const SerieEnsayo& s : d.curvas) {
        QLineSeries* l = linea(s, QPen(color(s.color), 2));
        agregar(*g, l, ejeX, ejeY);
        sin_leyenda.push_back(l);
    }
    for (const SerieEnsayo& s : d.medidas) {
        agregar(*g, nube(s, QString::fromStdString(s.nombre), false), ejeX, ejeY);
    }
    for (const SerieEnsayo& s : d.derivadas) {
        agregar(*g, nube(s, QString::fromStdString(s.nombre), true, Forma::cuadrado), ejeX, ejeY);
    }
    if (!d.excluidas.puntos.empty()) {
        agregar(*g,
                nube(d.excluidas, QString::fromStdString(d.excluidas.nombre), true, Forma::aspa),
                ejeX, ejeY);
    }
    for (QAbstractSeries* s : sin_leyenda) {
        for (QLegendMarker* m : g->legend()->markers(s)) m->setVisible(false);
    }
    return g;
}

std::unique_ptr<QChart> grafico_residuos(const DibujoEnsayo& d) {
    auto g = grafico_vacio("Residuos");
    g->legend()->hide();
    const Rango x = tiempos(d);
    Rango y;
    y.abarcar(d.residuos, false);
    // Symmetric about zero, a label every half of the largest residual or so: the chart is low.
    const double m = y.vacio() ? 0.01 : std::max({std::fabs(y.menor), std::fabs(y.mayor), 1e-6});
    const Redondo unidad = redondo_no_menor(m / 2, Serie::uno_dos_cinco);
    const double n = std::ceil(m / unidad.valor() - 1e-9);
    QValueAxis* ejeY = eje_lineal({unidad.multiplo(-n), unidad.multiplo(n), unidad.valor()});
    ejeY->setTitleText(QStringLiteral("Residuo [m]"));
    QAbstractAxis* ejeX = eje_tiempos(d, x);
    g->addAxis(ejeX, Qt::AlignBottom);
    g->addAxis(ejeY, Qt::AlignLeft);
    const auto [desde, hasta] = extremos(ejeX);
    SerieEnsayo cero{"", sin_color, {{desde, 0}, {hasta, 0}}};
    agregar(*g, linea(cero, QPen(Qt::gray, 1, Qt::DashLine)), ejeX, ejeY);
    for (const SerieEnsayo& s : d.residuos) {
        agregar(*g, nube(s, QString::fromStdString(s.nombre), false), ejeX, ejeY);
    }
    return g;
}

void pintar_ensayo(const DibujoEnsayo& d, QPainter& pintor, QSizeF tamano) {
    QGraphicsScene escena;  // owns the charts
    QChart* arriba = grafico_ensayo(d).release();
    QChart* residuos = grafico_residuos(d).release();
    escena.addItem(arriba);
    escena.addItem(residuos);
    alinear_graficos(*arriba, *residuos, tamano);
    pintor.setRenderHint(QPainter::Antialiasing);
    const QRectF todo(QPointF(0, 0), tamano);
    escena.render(&pintor, todo, todo);
}

GraficoEnsayo::GraficoEnsayo(QWidget* parent) : QGraphicsView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setBackgroundBrush(Qt::white);
    setFocusPolicy(Qt::StrongFocus);
    mostrar(DibujoEnsayo{});
}

GraficoEnsayo::~GraficoEnsayo() = default;

void GraficoEnsayo::mostrar(const DibujoEnsayo& d) {
    auto escena = std::make_unique<QGraphicsScene>();
    // The items change wholesale at each drawing: an index would cost more than it saves.
    escena->setItemIndexMethod(QGraphicsScene::NoIndex);
    principal_ = grafico_ensayo(d).release();
    residuos_ = grafico_residuos(d).release();
    escena->addItem(principal_);
    escena->addItem(residuos_);
    setScene(escena.get());
    escena_ = std::move(escena);
    colocar();
}

void GraficoEnsayo::resizeEvent(QResizeEvent* evento) {
    QGraphicsView::resizeEvent(evento);
    colocar();
}

void GraficoEnsayo::colocar() {
    const QSizeF tamano = viewport()->size();
    escena_->setSceneRect(QRectF(QPointF(0, 0), tamano));
    alinear_graficos(*principal_, *residuos_, tamano);
}

}  // namespace abat
