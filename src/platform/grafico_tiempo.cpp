#include "grafico_tiempo.h"

#include <QLineSeries>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>

#include "eje_lineal.h"
#include "escala_ejes.h"
#include "numeros.h"

namespace abat {
namespace {

const QColor color_total(0x44, 0x01, 0x54);
// Neighbours in the legend take tones far apart.
const std::array<QColor, 5> tonos = {QColor(0x3B, 0x52, 0x8B), QColor(0x21, 0x91, 0x8C),
                                     QColor(0x5E, 0xC9, 0x62), QColor(0x2C, 0x72, 0x8E),
                                     QColor(0x28, 0xAE, 0x80)};
const QColor color_marca(0xE4, 0x1A, 0x1C);

QLineSeries* linea(const LineaTiempo& l, const std::vector<double>& dias, const QPen& pluma) {
    auto* s = new QLineSeries;
    s->setName(l.nombre.toHtmlEscaped());  // the legend reads rich text
    s->setPen(pluma);
    QList<QPointF> puntos;
    puntos.reserve(static_cast<qsizetype>(dias.size()));
    for (size_t i = 0; i < dias.size(); ++i) puntos.append({dias[i], l.abatimiento[i]});
    s->replace(puntos);
    return s;
}

QPen pluma_parte(size_t k) {
    QPen p(tonos[k % tonos.size()], 1.5);
    if (k >= tonos.size()) p.setStyle(Qt::DashLine);
    return p;
}

QLogValueAxis* eje_tiempo(const DatosGraficoTiempo& d) {
    auto* a = new QLogValueAxis;
    a->setBase(10);
    a->setRange(d.dias.front(), d.dias.back());
    a->setLabelFormat(QStringLiteral("%g"));
    a->setMinorTickCount(8);
    a->setTitleText(QStringLiteral("Tiempo de bombeo [días]"));
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
    return escala_automatica(menor, mayor);
}

QValueAxis* eje_abatimiento(const EscalaEje& e) {
    QValueAxis* a = eje_lineal(e);
    a->setTitleText(QStringLiteral("Abatimiento [m]"));
    return a;
}

QScatterSeries* marca(const DatosGraficoTiempo& d) {
    auto* m = new QScatterSeries;
    const double t = d.dias[d.bombeo];
    const double s = d.total.abatimiento[d.bombeo];
    m->setName(QStringLiteral("A los %1 días: %2 m")
                   .arg(QString::fromStdString(number_to_text(t)),
                        QString::fromStdString(number_to_text(s))));
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
    g->legend()->setAlignment(Qt::AlignRight);  // a column holds eleven names whole
    g->setBackgroundBrush(Qt::white);
    const EscalaEje escala = escala_abatimiento(d);  // before the axes: an overflow leaks none
    QLogValueAxis* ejeX = eje_tiempo(d);
    QValueAxis* ejeY = eje_abatimiento(escala);
    g->addAxis(ejeX, Qt::AlignBottom);
    g->addAxis(ejeY, Qt::AlignLeft);
    std::vector<QAbstractSeries*> series;
    for (size_t k = 0; k < d.partes.size(); ++k) {
        series.push_back(linea(d.partes[k], d.dias, pluma_parte(k)));
    }
    series.push_back(linea(d.total, d.dias, QPen(color_total, 3)));
    series.push_back(marca(d));
    for (QAbstractSeries* s : series) {
        g->addSeries(s);
        s->attachAxis(ejeX);
        s->attachAxis(ejeY);
    }
    return g;
}

}  // namespace abat
