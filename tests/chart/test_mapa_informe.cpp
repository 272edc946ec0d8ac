// The drawdown map as a report shows it: the isolines' labels in a picture at twice the screen's
// density, labels clear of the names, a diverging ramp that keeps a small drawdown beside a large
// rise, and an automatic interval that a pixel more or less does not change.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <cmath>
#include <queue>

#include "chart/composicion_mapa.h"
#include "chart/vista_mapa.h"
#include "dibujo/colores_mapa.h"
#include "dibujo/pintar_grafico.h"
#include "dibujo/pintar_mapa.h"
#include "dibujo/rampa_viridis.h"
#include "support/fixtures.h"

using namespace abat;
using namespace abat::prueba;

namespace {

// The map of `datos` over `extension` for a picture of `tamano` at `densidad`, computed as the
// saved picture computes it: a node every 2.5 pixels of the file.
DibujoMapa mapa_para(const DatosCalculo& datos, const CampoPozos& campo, VistaMapa extension,
                     QSizeF tamano, double densidad, double anterior = 0) {
    const QSize trazado = (area_de_trazado(tamano).size() * densidad).toSize();
    return componer_mapa(campo, marcas_de(datos), datos.tiempo,
                         a_igual_escala(extension, trazado.width(), trazado.height()),
                         trazado.width(), trazado.height(), 0, anterior);
}

// The labels' light boxes in the plot of a picture: blobs of pixels lighter than any band of the
// viridis ramp, big enough to hold a number; the scale bar's corner aside.
int cajas_claras(const QImage& imagen, QRectF area, double densidad) {
    const QRect zona = QRectF(area.topLeft() * densidad, area.size() * densidad).toRect();
    const QRect escala(zona.left(), zona.bottom() - int(64 * densidad), int(190 * densidad),
                       int(64 * densidad) + 1);
    const auto claro = [&](int x, int y) {
        const QColor c = imagen.pixelColor(x, y);
        return std::min({c.red(), c.green(), c.blue()}) >= 200;
    };
    std::vector<char> visto(size_t(imagen.width()) * size_t(imagen.height()), 0);
    int cajas = 0;
    for (int y = zona.top(); y <= zona.bottom(); ++y) {
        for (int x = zona.left(); x <= zona.right(); ++x) {
            if (visto[size_t(y) * imagen.width() + x] || !claro(x, y) || escala.contains(x, y))
                continue;
            int pixeles = 0;
            std::queue<QPoint> cola;
            cola.push({x, y});
            visto[size_t(y) * imagen.width() + x] = 1;
            while (!cola.empty()) {
                const QPoint p = cola.front();
                cola.pop();
                ++pixeles;
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (!zona.contains(q) || visto[size_t(q.y()) * imagen.width() + q.x()] ||
                        !claro(q.x(), q.y()))
                        continue;
                    visto[size_t(q.y()) * imagen.width() + q.x()] = 1;
                    cola.push(q);
                }
            }
            if (pixeles >= 40 * densidad * densidad) ++cajas;
        }
    }
    return cajas;
}

// Each isoline of `m` in the pixels of a picture of `tamano`, as the plot draws it.
std::vector<LineaDibujada> en_pixeles(const DibujoMapa& m, QSizeF tamano) {
    const QRectF a = area_de_trazado(tamano);
    std::vector<LineaDibujada> lineas;
    for (const Isolinea& l : m.isolineas) {
        QPolygonF p;
        for (const auto& [x, y] : l.puntos) {
            p << QPointF(a.left() + (x - m.vista.xmin) / m.vista.ancho() * a.width(),
                         a.bottom() - (y - m.vista.ymin) / m.vista.alto() * a.height());
        }
        lineas.push_back({p, QString::number(l.nivel)});
    }
    return lineas;
}

double distancia(QColor a, QColor b) {
    return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

}  // namespace

// The PNG is drawn at twice the screen's density over a grid twice as fine, whose isolines run in
// segments of a pixel or so: it has the labels the screen has.
TEST(EtiquetasIsolineas, APictureAtTwiceTheDensityHasTheScreensLabels) {
    // One well west of the view: arcs of isolines across it, and no mark, name or system.
    const DatosCalculo datos{0.01, 2e-4, 30, {pozo_en(0, 0, 0.05)}, {}};
    const CampoPozos campo(datos);
    const QSizeF tamano(852, 646);
    std::map<double, int> cajas;
    for (const double densidad : {1.0, 2.0}) {
        const DibujoMapa m = mapa_para(datos, campo, {60, 700, -300, 300}, tamano, densidad);
        ASSERT_GE(m.isolineas.size(), 5u);
        const QImage imagen = imagen_de([&](QPainter& p, QSizeF t) { pintar_mapa(p, t, m); },
                                        tamano.toSize(), densidad);
        cajas[densidad] = cajas_claras(imagen, area_de_trazado(tamano), densidad);
    }
    EXPECT_GE(cajas[1], 4);
    EXPECT_NEAR(cajas[2], cajas[1], 1) << cajas[1];
}

// Where the names of wells and points lie across the isolines, no level is written over them.
TEST(EtiquetasIsolineas, ClearOfTheNamesOfWellsAndPoints) {
    DatosCalculo datos{0.01, 2e-4, 30, {pozo_en(0, 0, 0.05)}, {}};
    for (int i = 0; i < 5; ++i) {
        for (int j = 0; j < 5; ++j) {
            datos.puntos.push_back({"Piezómetro de control " + std::to_string(i * 5 + j),
                                    -400 + 200.0 * i, -400 + 200.0 * j});
        }
    }
    const CampoPozos campo(datos);
    const QSizeF tamano(852, 600);
    const DibujoMapa m = mapa_para(datos, campo, {-500, 500, -500, 500}, tamano, 1);
    const QFontMetricsF letra(QApplication::font());
    const QRectF area = area_de_trazado(tamano);
    std::vector<QRectF> nombres;  // each name's text, where the map writes it beside its mark
    for (const Punto& p : datos.puntos) {
        const QPointF c(area.left() + (p.x - m.vista.xmin) / m.vista.ancho() * area.width(),
                        area.bottom() - (p.y - m.vista.ymin) / m.vista.alto() * area.height());
        const QString t = QString::fromStdString(p.nombre);
        nombres.emplace_back(c + QPointF(8, -6 - letra.ascent()),
                             QSizeF(letra.horizontalAdvance(t), letra.height()));
    }
    const auto sobre_un_nombre = [&](const EtiquetaIsolinea& e) {
        return std::any_of(nombres.begin(), nombres.end(),
                           [&](const QRectF& n) { return n.intersects(e.caja); });
    };
    // Left to themselves, some labels would fall on names.
    const auto libres = colocar_etiquetas(en_pixeles(m, tamano), letra, area, {});
    ASSERT_TRUE(std::any_of(libres.begin(), libres.end(), sobre_un_nombre));
    const auto puestas = etiquetas_del_mapa(m, tamano, letra);
    EXPECT_GE(puestas.size(), 4u);
    for (const EtiquetaIsolinea& e : puestas) {
        EXPECT_FALSE(sobre_un_nombre(e))
            << e.texto.toStdString() << " at " << e.centro.x() << ", " << e.centro.y();
    }
}

// With injection, each side of zero spans its half of the diverging ramp to its own extreme: a
// drawdown of 4 m beside a rise of 40 m is as red as the rise is blue, its bands apart from each
// other and from white; and the other way round.
TEST(ColoresMapa, EachSideOfZeroToItsOwnExtreme) {
    struct Caso {
        const char* nombre;
        double minimo, maximo, intervalo;
    };
    const QColor rojo(0xB2, 0x18, 0x2B), azul(0x21, 0x66, 0xAC), blanco(0xF7, 0xF7, 0xF7);
    for (const auto& [nombre, minimo, maximo, intervalo] :
         {Caso{"small drawdown, large rise", -40, 4, 0.5},
          Caso{"large drawdown, small rise", -3, 45, 0.5}}) {
        SCOPED_TRACE(nombre);
        DibujoMapa m;
        m.minimo = minimo;
        m.maximo = maximo;
        m.niveles = niveles_de_intervalo(minimo, maximo, intervalo);
        const ColoresMapa colores(m);
        const QColor arriba(colores.de(maximo));
        const QColor abajo(colores.de(minimo));
        EXPECT_LT(distancia(arriba, rojo), 40);
        EXPECT_LT(distancia(abajo, azul), 40);
        // The bands between zero and the smaller extreme, one after another away from white.
        const double lado = std::min(-minimo, maximo);
        const double signo = maximo < -minimo ? 1 : -1;
        double antes = 0;
        for (double v = intervalo / 2; v < lado; v += intervalo) {
            const double d = distancia(QColor(colores.de(signo * v)), blanco);
            EXPECT_GT(d, antes + 8) << v;
            antes = d;
        }
    }
    // Without injection the field keeps its viridis ramp, light to dark.
    DibujoMapa m;
    m.minimo = 0.2;
    m.maximo = 4.2;
    m.niveles = niveles_de_intervalo(0.2, 4.2, 0.5);
    EXPECT_LT(distancia(QColor(ColoresMapa(m).de(4.1)), rampa_viridis.back()), 40);
    EXPECT_LT(distancia(QColor(ColoresMapa(m).de(0.3)), rampa_viridis.front()), 40);
}

// A map saved at twice the screen's resolution reaches a little further near the wells, but its
// bands, and so the GIS style's classes, keep the colours the screen shows.
TEST(ColoresMapa, TheSameBandsInTheSameColoursAtAnyResolution) {
    struct Caso {
        const char* nombre;
        unsigned semilla;  // of three wells over 300 m, one injecting
    };
    for (const auto& [nombre, semilla] :
         {Caso{"rising and falling", 7}, Caso{"falling only", 10}}) {
        SCOPED_TRACE(nombre);
        const DatosCalculo datos = campo_aleatorio(semilla, 3, 300);
        const CampoPozos campo(datos);
        const VistaMapa extension{-20, 320, -20, 320};
        const DibujoMapa pantalla = mapa_para(datos, campo, extension, {852, 600}, 1);
        const DibujoMapa archivo =
            mapa_para(datos, campo, extension, {852, 600}, 2, pantalla.niveles.intervalo);
        ASSERT_NE(archivo.maximo, pantalla.maximo);
        ASSERT_EQ(archivo.niveles.niveles, pantalla.niveles.niveles);
        const auto a = bandas_de_color(pantalla);
        const auto b = bandas_de_color(archivo);
        ASSERT_EQ(a.size(), b.size());
        for (size_t k = 0; k < a.size(); ++k) {
            EXPECT_EQ(a[k].desde, b[k].desde);
            EXPECT_EQ(a[k].color, b[k].color) << a[k].desde;
        }
    }
}

// The window's map a pixel taller or shorter, or drawn at twice its resolution, keeps the interval
// of the map it showed, where choosing afresh for each one's values would change it.
TEST(IntervaloMapa, APixelMoreOrLessKeepsTheIntervalShown) {
    // Three wells, one injecting, whose largest value on the grid, by the node nearest a well,
    // moves from one size to the next.
    const DatosCalculo datos = campo_aleatorio(4, 3, 300);
    const CampoPozos campo(datos);
    const VistaMapa extension{-20, 320, -20, 320};
    std::set<double> elegidos;
    const DibujoMapa primero = mapa_para(datos, campo, extension, {852, 600}, 1);
    double mostrado = primero.niveles.intervalo;
    ASSERT_GT(mostrado, 0);
    for (int alto = 580; alto <= 620; ++alto) {
        for (const double densidad : {1.0, 2.0}) {
            const QSizeF tamano(852, alto);
            elegidos.insert(mapa_para(datos, campo, extension, tamano, densidad).niveles.intervalo);
            const DibujoMapa m = mapa_para(datos, campo, extension, tamano, densidad, mostrado);
            EXPECT_EQ(m.niveles.intervalo, mostrado) << alto << " at " << densidad << "x";
            EXPECT_TRUE(m.niveles.niveles.size() >= 6 && m.niveles.niveles.size() <= 20);
            mostrado = m.niveles.intervalo;
        }
    }
    EXPECT_GE(elegidos.size(), 2u);  // afresh, some of these sizes choose another interval
    // Kept no further than it fits: once it would draw too few lines, chosen afresh.
    EXPECT_EQ(equidistancia(0, 3.2, 1.0).intervalo, 0.25);
    EXPECT_EQ(equidistancia(0, 7.2, 1.0).intervalo, 1.0);
}
