#include "dibujo/grafico_tiempo.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>

#include "chart/escala_ejes.h"
#include "dibujo/eje_lineal.h"
#include "dibujo/texto_numero.h"
#include "model/numeros.h"

namespace abat {
namespace {

const QColor color_total(0x44, 0x01, 0x54);
// Ten colours far apart, none the total's, the mark's or the rest's grey.
const std::array<QColor, partes_con_color> tonos = {
    QColor(0x1F, 0x77, 0xB4), QColor(0xFF, 0x7F, 0x0E), QColor(0x2C, 0xA0, 0x2C),
    QColor(0x94, 0x67, 0xBD), QColor(0x8C, 0x56, 0x4B), QColor(0xE3, 0x77, 0xC2),
    QColor(0xBC, 0xBD, 0x22), QColor(0x17, 0xBE, 0xCF), QColor(0x00, 0x00, 0x00),
    QColor(0xD4, 0xA0, 0x17)};
const QColor color_resto(0x80, 0x80, 0x80);
const QColor color_marca(0xE4, 0x1A, 0x1C);
const QString titulo_tiempo = QStringLiteral("Tiempo de bombeo [días]");
const QString titulo_abatimiento = QStringLiteral("Abatimiento [m]");

QLineSeries* linea(const LineaTiempo& l, const QString& nombre, const std::vector<double>& dias,
                   const QPen& pluma) {
    auto* s = new QLineSeries;
    s->setName(nombre.toHtmlEscaped());  // the legend reads rich text
    s->setPen(pluma);
    QList<QPointF> puntos;
    puntos.reserve(static_cast<qsizetype>(dias.size()));
    for (size_t i = 0; i < dias.size(); ++i) puntos.append({dias[i], l.abatimiento[i]});
    s->replace(puntos);
    return s;
}

// "Pozo P1: 2.7367 m": the share at the pumping time.
QLineSeries* parte(const DatosGraficoTiempo& d, const LineaTiempo& l, const QPen& pluma) {
    const QString nombre =
        QStringLiteral("%1: %2 m").arg(l.nombre, texto_numero(l.abatimiento[d.bombeo]));
    return linea(l, nombre, d.dias, pluma);
}

QLogValueAxis* eje_tiempo(const DatosGraficoTiempo& d) {
    auto* a = new QLogValueAxis;
    a->setBase(10);
    a->setRange(d.dias.front(), d.dias.back());
    a->setLabelFormat(QString::fromLatin1(formato_numeros));
    a->setMinorTickCount(8);
    a->setTitleText(titulo_tiempo);
    return a;
}

// Zero always in view, and every line whole.
EscalaEje escala_abatimiento(const DatosGraficoTiempo& d) {
    double menor = 0;
    double mayor = 0;
    auto abarcar = [&](const LineaTiempo& l) {
        const auto [bajo, alto] = std::minmax_element(l.abatimiento.begin(), l.abatimiento.end());
        menor = std::min(menor, *bajo);
        mayor = std::max(mayor, *alto);
    };
    abarcar(d.total);
    for (const LineaTiempo& l : d.partes) abarcar(l);
    if (d.resto) abarcar(*d.resto);
    return escala_automatica(menor, mayor);
}

QScatterSeries* marca(const DatosGraficoTiempo& d) {
    auto* m = new QScatterSeries;
    const double t = d.dias[d.bombeo];
    const double s = d.total.abatimiento[d.bombeo];
    m->setName(QStringLiteral("A %1: %2 m").arg(texto_dias(t), texto_numero(s)));
    m->setColor(color_marca);
    m->setBorderColor(color_marca);
    m->setMarkerSize(10);
    m->append(t, s);
    return m;
}

}  // namespace

std::unique_ptr<QChart> grafico_tiempo(const DatosGraficoTiempo& d) {
    auto g = std::make_unique<QChart>();
    g->setTitle(d.titulo.toHtmlEscaped());
    g->legend()->setAlignment(Qt::AlignRight);  // a column holds a dozen names whole
    g->setBackgroundBrush(Qt::white);
    const EscalaEje escala = escala_abatimiento(d);  // before the axes: an overflow leaks none
    QValueAxis* ejeY = eje_lineal(escala);
    ejeY->setTitleText(titulo_abatimiento);
    QLogValueAxis* ejeX = eje_tiempo(d);
    g->addAxis(ejeX, Qt::AlignBottom);
    g->addAxis(ejeY, Qt::AlignLeft);
    // In the legend's order, but for the total, drawn last, over the shares: its entry comes
    // first from a line of no points.
    const QPen pluma_total(color_total, 3);
    std::vector<QAbstractSeries*> series = {linea({}, d.total.nombre, {}, pluma_total), marca(d)};
    for (size_t k = 0; k < d.partes.size() && k < tonos.size(); ++k) {
        series.push_back(parte(d, d.partes[k], QPen(tonos[k], 1.5)));
    }
    if (d.resto) series.push_back(parte(d, *d.resto, QPen(color_resto, 1.5, Qt::DashLine)));
    QLineSeries* total = linea(d.total, d.total.nombre, d.dias, pluma_total);
    series.push_back(total);
    for (QAbstractSeries* s : series) {
        g->addSeries(s);
        s->attachAxis(ejeX);
        s->attachAxis(ejeY);
    }
    for (QLegendMarker* m : g->legend()->markers(total)) m->setVisible(false);
    return g;
}

// Room for the axis titles whole, and for a label at each unit of the drawdown axis.
QSize tamano_minimo_grafico_tiempo() {
    const QFontMetrics letra(QApplication::font());
    constexpr int leyenda = 220;   // the legend's column
    constexpr int margenes = 140;  // the axes' labels, the title and the chart's margins
    return {
        letra.horizontalAdvance(titulo_tiempo) + leyenda + margenes,
        std::max(2 * letra.horizontalAdvance(titulo_abatimiento), 12 * letra.height()) + margenes};
}

}  // namespace abat
