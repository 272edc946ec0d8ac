#include "dibujo/lamina_mapa.h"

#include <algorithm>
#include <array>

#include "dibujo/pintar_mapa.h"
#include "dibujo/texto_numero.h"

namespace abat {
namespace {

constexpr double alto_titulo = 48;
constexpr double alto_leyenda = 30;
constexpr double margen = 12;
constexpr double simbolo = 22;  // the room of a symbol before its text
constexpr double entre_entradas = 22;

// The font scaled by `factor`, whether it is sized in points or in pixels.
QFont escalada(QFont f, double factor) {
    if (f.pointSizeF() > 0) {
        f.setPointSizeF(f.pointSizeF() * factor);
    } else {
        f.setPixelSize(std::max(1, static_cast<int>(f.pixelSize() * factor)));
    }
    return f;
}

void titulo(QPainter& p, QSizeF lamina, const DibujoMapa& m, const QString& texto) {
    QFont grande = escalada(p.font(), 1.4);
    grande.setBold(true);
    const QFont normal = p.font();
    p.setPen(Qt::black);
    p.setFont(grande);
    const QFontMetricsF letra_grande(grande);
    p.drawText(QPointF(margen, 8 + letra_grande.ascent()), texto);
    p.setFont(normal);
    const QFontMetricsF letra(normal);
    const double linea = 8 + letra_grande.height() + 4 + letra.ascent();
    p.drawText(QPointF(margen, linea), texto_tiempo(m.tiempo));
    // The system at the right, cut where it would reach the time.
    const double desde = margen + letra.horizontalAdvance(texto_tiempo(m.tiempo)) + 24;
    const double ancho = lamina.width() - margen - desde;
    const QString sistema = letra.elidedText(texto_sistema(m), Qt::ElideRight, ancho);
    p.drawText(QPointF(lamina.width() - margen - letra.horizontalAdvance(sistema), linea), sistema);
}

void simbolo_de(QPainter& p, Simbolo s, QPointF centro) {
    switch (s) {
        case Simbolo::pozo_de_bombeo:
            marca_de_pozo(p, centro, EstadoPozo::bombeo);
            break;
        case Simbolo::pozo_parado:
            marca_de_pozo(p, centro, EstadoPozo::parado);
            break;
        case Simbolo::pozo_de_inyeccion:
            marca_de_pozo(p, centro, EstadoPozo::inyeccion);
            break;
        case Simbolo::punto:
            marca_de_punto(p, centro);
            break;
        case Simbolo::isolinea:
            p.setPen(QPen(QColor(0x30, 0x30, 0x30), 0.9));
            p.drawLine(centro - QPointF(8, 0), centro + QPointF(8, 0));
            break;
    }
}

// The entries in a row under the map, from the plot's left edge `izquierda`; a smaller letter
// when they would not fit.
void pintar_leyenda(QPainter& p, const QRectF& zona, double izquierda, const DibujoMapa& m) {
    const std::vector<EntradaLeyenda> entradas = leyenda(m);
    QFont letra = p.font();
    const auto ancho_de = [&](const QFontMetricsF& f) {
        double a = 0;
        for (const EntradaLeyenda& e : entradas) {
            a += simbolo + f.horizontalAdvance(e.texto) + entre_entradas;
        }
        return a;
    };
    const double cabe = zona.width() - 2 * margen;
    const double ancho = ancho_de(QFontMetricsF(letra));
    if (ancho > cabe) letra = escalada(letra, std::max(0.6, cabe / ancho));
    p.save();
    p.setFont(letra);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF f(letra);
    const double y = zona.center().y();
    double x = std::max(margen, std::min(izquierda, zona.width() - margen - ancho_de(f)));
    for (const EntradaLeyenda& e : entradas) {
        simbolo_de(p, e.simbolo, QPointF(x + 8, y));
        p.setPen(Qt::black);
        p.drawText(QPointF(x + simbolo, y + f.ascent() / 2 - 1), e.texto);
        x += simbolo + f.horizontalAdvance(e.texto) + entre_entradas;
    }
    p.restore();
}

}  // namespace

QSizeF tamano_lamina(QSizeF mapa) {
    return {mapa.width(), mapa.height() + alto_titulo + alto_leyenda};
}

QRectF zona_del_mapa(QSizeF lamina) {
    return {0, alto_titulo, lamina.width(),
            std::max(lamina.height() - alto_titulo - alto_leyenda, 1.0)};
}

QString texto_tiempo(double dias) {
    return QStringLiteral("t = %1 %2")
        .arg(texto_numero(dias), dias == 1 ? QStringLiteral("día") : QStringLiteral("días"));
}

QString texto_sistema(const DibujoMapa& m) {
    return m.sistema.empty() ? QStringLiteral("Coordenadas locales")
                             : QString::fromStdString(m.sistema);
}

std::vector<EntradaLeyenda> leyenda(const DibujoMapa& m) {
    std::vector<EntradaLeyenda> e;
    if (m.marcas) {
        const auto& pozos = m.marcas->pozos;
        const std::array<EntradaLeyenda, 3> estados = {
            EntradaLeyenda{Simbolo::pozo_de_bombeo, QStringLiteral("Pozo de bombeo")},
            EntradaLeyenda{Simbolo::pozo_parado, QStringLiteral("Pozo parado")},
            EntradaLeyenda{Simbolo::pozo_de_inyeccion, QStringLiteral("Pozo de inyección")}};
        for (const EstadoPozo estado :
             {EstadoPozo::bombeo, EstadoPozo::parado, EstadoPozo::inyeccion}) {
            if (std::any_of(pozos.begin(), pozos.end(),
                            [estado](const MarcaMapa& k) { return k.estado == estado; })) {
                e.push_back(estados[static_cast<size_t>(estado)]);
            }
        }
        if (!m.marcas->puntos.empty()) {
            e.push_back({Simbolo::punto, QStringLiteral("Punto de cálculo")});
        }
    }
    if (m.niveles.intervalo > 0) {
        e.push_back({Simbolo::isolinea, QStringLiteral("Isolíneas de abatimiento cada %1 m")
                                            .arg(texto_numero(m.niveles.intervalo))});
    }
    return e;
}

void pintar_lamina(QPainter& p, QSizeF lamina, const DibujoMapa& m, const QString& texto) {
    p.save();
    p.fillRect(QRectF(QPointF(0, 0), lamina), Qt::white);
    titulo(p, lamina, m, texto);
    const QRectF zona = zona_del_mapa(lamina);
    p.save();
    p.translate(zona.topLeft());
    OpcionesMapa opciones;
    opciones.sistema = false;  // named above
    opciones.norte = true;
    pintar_mapa(p, zona.size(), m, opciones);
    p.restore();
    pintar_leyenda(p, QRectF(0, zona.bottom(), lamina.width(), lamina.height() - zona.bottom()),
                   area_de_trazado(zona.size()).left(), m);
    p.restore();
}

}  // namespace abat
