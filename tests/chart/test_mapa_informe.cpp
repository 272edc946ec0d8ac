// The drawdown map: its view at one scale, its grid and values, its levels, its data as a
// spreadsheet reads them; and as a report shows it: the isolines' labels in a picture at twice the
// screen's density, a diverging ramp that keeps a small drawdown beside a large rise, and an
// interval that a pixel more or less, or the saved picture's density, does not change.
#include <gtest/gtest.h>

#include <map>

#include <QImage>
#include <cmath>
#include <limits>

#include "calc/abatimiento.h"
#include "chart/composicion_mapa.h"
#include "chart/vista_mapa.h"
#include "dibujo/colores_mapa.h"
#include "dibujo/pintar_grafico.h"
#include "dibujo/pintar_mapa.h"
#include "dibujo/rampa_viridis.h"
#include "forms/frmMapa.h"
#include "support/casos.h"
#include "support/fixtures.h"

using namespace abat;
using namespace abat::prueba;

namespace {

// The map of `datos` over `extension` for a picture of `tamano` at `densidad`, computed as the
// saved picture computes it: a node every 2.5 pixels of the file.
DibujoMapa mapa_para(const DatosCalculo& datos, Caja extension, QSizeF tamano, double densidad,
                     double anterior = 0) {
    const CampoPozos campo(datos);
    const QSize trazado = (area_de_trazado(tamano).size() * densidad).toSize();
    return componer_mapa(campo, marcas_de(datos, datos.tiempo), datos.tiempo,
                         a_igual_escala(extension, trazado.width(), trazado.height()),
                         trazado.width(), trazado.height(), 0, anterior);
}

double distancia(QColor a, QColor b) {
    return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

QColor color(const DibujoMapa& m, double v) {
    return QColor(ColoresMapa(m).de(v));
}

// A map of values from `minimo` to `maximo`, its levels every half metre.
DibujoMapa de_valores(double minimo, double maximo) {
    DibujoMapa m;
    std::tie(m.minimo, m.maximo) = std::pair(minimo, maximo);
    m.niveles = niveles_de_intervalo(minimo, maximo, 0.5);
    return m;
}

// Whether the bands the two maps share have the same colours.
bool mismos_colores(const DibujoMapa& a, const DibujoMapa& b) {
    std::map<double, QColor> colores;
    for (const BandaDeColor& banda : bandas_de_color(a)) colores[banda.desde] = banda.color;
    size_t comunes = 0;
    for (const BandaDeColor& banda : bandas_de_color(b)) {
        const auto c = colores.find(banda.desde);
        if (c == colores.end()) continue;
        if (c->second != banda.color) return false;
        ++comunes;
    }
    return comunes + 1 >= colores.size();
}

// The values' range, the interval, and its levels.
using Intervalos = Tabla<double, double, double, std::vector<double>>;

}  // namespace

// The PNG is drawn at twice the screen's density over a grid twice as fine, whose isolines run in
// segments of a pixel or so: it has the screen's labels, their light boxes (lighter than any band
// of the viridis ramp, the scale bar's corner aside) covering as much of the plot.
TEST(EtiquetasIsolineas, APictureAtTwiceTheDensityHasTheScreensLabels) {
    // One well west of the view: arcs of isolines across it, and no mark, name or system.
    const DatosCalculo datos{{0.01, 2e-4}, 30, {pozo_en(0, 0, 0.05)}, {}};
    const QSizeF tamano(852, 646);
    const QRectF a = area_de_trazado(tamano);
    std::map<double, double> claro;  // light pixels, counted as the screen's
    for (const double d : {1.0, 2.0}) {
        const DibujoMapa m = mapa_para(datos, {60, 700, -300, 300}, tamano, d);
        const QImage imagen =
            imagen_de([&](QPainter& p, QSizeF t) { pintar_mapa(p, t, m); }, tamano.toSize(), d);
        for (int y = int(a.top() * d); y < int((a.bottom() - 64) * d); ++y) {
            for (int x = int(a.left() * d); x < int(a.right() * d); ++x) {
                const QColor c = imagen.pixelColor(x, y);
                claro[d] += std::min({c.red(), c.green(), c.blue()}) >= 200 ? 1 / (d * d) : 0;
            }
        }
    }
    EXPECT_NEAR(claro[2] / claro[1], 1, 0.35) << claro[1];
}

// With injection, each side of zero spans its half of the diverging ramp to its own extreme: a
// drawdown of 4 m beside a rise of 40 m is as red as the rise is blue, its bands apart from each
// other and from white; and the other way round. Without injection, the viridis ramp.
TEST(ColoresMapa, EachSideOfZeroToItsOwnExtreme) {
    const QColor rojo(0xB2, 0x18, 0x2B), azul(0x21, 0x66, 0xAC), blanco(0xF7, 0xF7, 0xF7);
    for (const auto& [minimo, maximo] : {std::pair(-40.0, 4.0), std::pair(-3.0, 45.0)}) {
        const DibujoMapa m = de_valores(minimo, maximo);
        EXPECT_TRUE(distancia(color(m, maximo), rojo) < 40 &&
                    distancia(color(m, minimo), azul) < 40);
        // The bands between zero and the smaller extreme, one after another away from white.
        const double signo = maximo < -minimo ? 1 : -1;
        double antes = 0;
        for (double v = 0.25; v < std::min(-minimo, maximo); v += 0.5) {
            EXPECT_GT(distancia(color(m, signo * v), blanco), antes + 8) << v;
            antes = distancia(color(m, signo * v), blanco);
        }
    }
    EXPECT_LT(distancia(color(de_valores(0.2, 4.2), 4.1), rampa_viridis.back()), 40);
}

// The window's map a pixel taller or shorter, or saved at twice its resolution, keeps the
// interval of the map it showed, where choosing afresh for each one's values would change it;
// and the saved map, which reaches a little further near the wells, keeps the screen's bands in
// the screen's colours, as the GIS style's classes do. Three wells over 300 m, one injecting,
// whose largest value on the grid, by the node nearest a well, moves from one size to the next.
TEST(IntervaloMapa, APixelMoreOrLessKeepsTheIntervalShown) {
    for (const unsigned semilla : {4U, 7U, 10U}) {
        const DatosCalculo datos = campo_aleatorio(semilla, 3, 300);
        const Caja extension{-20, 320, -20, 320};
        const DibujoMapa pantalla = mapa_para(datos, extension, {852, 600}, 1);
        double mostrado = pantalla.niveles.intervalo;
        ASSERT_GT(mostrado, 0);
        std::set<double> elegidos;
        for (int alto = 580; alto <= 620; alto += semilla == 4 ? 1 : 40) {
            for (const double densidad : {1.0, 2.0}) {
                const QSizeF tamano(852, alto);
                elegidos.insert(mapa_para(datos, extension, tamano, densidad).niveles.intervalo);
                const DibujoMapa m = mapa_para(datos, extension, tamano, densidad, mostrado);
                EXPECT_EQ(m.niveles.intervalo, mostrado) << alto << " at " << densidad << "x";
                EXPECT_TRUE(m.niveles.niveles.size() >= 6 && m.niveles.niveles.size() <= 20);
            }
        }
        if (semilla == 4) {
            EXPECT_GE(elegidos.size(), 2u);  // afresh, some of these sizes choose another
            continue;
        }
        DibujoMapa archivo = mapa_para(datos, extension, {852, 600}, 2, mostrado);
        ASSERT_NE(archivo.maximo, pantalla.maximo);
        archivo.rampa = std::pair(pantalla.minimo, pantalla.maximo);
        EXPECT_TRUE(mismos_colores(pantalla, archivo)) << semilla;
    }
    // Whether its values reach into one band less or more, as a finer grid's may.
    for (const double hasta : {0.4, 1.1}) {
        DibujoMapa otra = de_valores(-0.2, hasta);
        otra.rampa = std::pair(-0.2, 0.8);
        EXPECT_TRUE(mismos_colores(de_valores(-0.2, 0.8), otra)) << hasta;
    }
    // Kept no further than it fits: once it would draw too few lines, chosen afresh.
    EXPECT_EQ(equidistancia(0, 3.2, 1.0).intervalo, 0.25);
    EXPECT_EQ(equidistancia(0, 7.2, 1.0).intervalo, 1.0);
}

// Whatever the box, a metre is as long across as up, the extent centred where it was and never
// cut; the wheel scales about the cursor, which stays at its place, at the same scale. Square
// cells: 2.5 pixels a node on a large box, 200 nodes along the shorter side of a small one; from
// the lower left corner to within a step of the opposite one.
TEST(VistaMapa, EqualScaleWhateverTheBoxAndTheZoom) {
    using Caso = std::tuple<Caja, int, int>;
    for (const auto& [v, ancho, alto] :
         {Caso{{0, 10, 0, 1000}, 300, 800}, {{3, 3, 7, 7}, 640, 480}}) {
        const Caja e = a_igual_escala(v, ancho, alto);
        EXPECT_NEAR(e.ancho() / ancho / (e.alto() / alto), 1, 1e-12);
        EXPECT_TRUE(e.xmin <= v.xmin && e.xmax >= v.xmax && e.ymin <= v.ymin && e.ymax >= v.ymax);
        EXPECT_NEAR(e.xmin + e.xmax + e.ymin + e.ymax, v.xmin + v.xmax + v.ymin + v.ymax, 1e-9);
        const Caja z = a_igual_escala(acercar(e, 0.8, 250, 120), ancho, alto);
        EXPECT_NEAR(z.ancho() / e.ancho(), 0.8, 1e-12);
        EXPECT_NEAR((250 - z.xmin) / z.ancho() + (120 - z.ymin) / z.alto(),
                    (250 - e.xmin) / e.ancho() + (120 - e.ymin) / e.alto(), 1e-9);
    }
    using Red = std::tuple<Caja, int, int, int, int>;
    for (const auto& [v, ancho, alto, nx, ny] : {Red{{-50, 950, 0, 600}, 1000, 600, 401, 241},
                                                 {{-50, 1450, 0, 1000}, 300, 200, 299, 200}}) {
        const Rejilla r = rejilla_de_vista(v, ancho, alto);
        EXPECT_EQ(r.nx, nx) << ancho;
        EXPECT_EQ(r.ny, ny) << ancho;
        EXPECT_EQ(r.dx, r.dy) << ancho;
        const double holgura = 1e-9 * r.dx;  // the last node may miss the edge by a rounding
        EXPECT_TRUE(r.x0 == v.xmin && r.y0 == v.ymin && r.x(r.nx - 1) <= v.xmax + holgura &&
                    r.x(r.nx) > v.xmax && r.y(r.ny - 1) <= v.ymax + holgura && r.y(r.ny) > v.ymax);
    }
}

// A typed interval: its multiples within the values, as typed, not as a product rounds them;
// none where there would be too many lines (201 is one too many), or where the multiples run
// together (k + 1 == k).
TEST_P(Intervalos, MultiplesOfTheTypedInterval) {
    const auto& [nombre, desde, hasta, intervalo, niveles] = GetParam();
    EXPECT_EQ(niveles_de_intervalo(desde, hasta, intervalo).niveles, niveles);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(NivelesMapa, Intervalos, testing::ValuesIn(std::vector<Intervalos::ParamType>{{"medios", 0.3, 2.2, 0.5, {0.5, 1, 1.5, 2}},
    {"a_ambos_lados_de_0", -1.2, 0.9, 1, {-1, 0}}, {"decimas_como_se_escriben", 0.25, 0.75, 0.1, {0.3, 0.4, 0.5, 0.6, 0.7}},
    {"demasiadas", 0, 1000, 1, {}}, {"una_de_mas", 0, 200, 1, {}}, {"intervalo_cero", 0, 10, 0, {}},
    {"que_se_juntan", 1e20, 1e20, 1, {}}}), por_nombre);
// clang-format on

TEST(NivelesMapa, AsManyAsTheMapDraws) {
    EXPECT_EQ(niveles_de_intervalo(1, 200, 1).niveles.size(), isolineas_maximas);
}

// Over a field with injection wells, each node is the exact path's total at the time shown; the
// isolines are at the levels said, and the marks keep the wells and points.
TEST(ComposicionMapa, ValuesOfAFieldWithInjection) {
    const DatosCalculo datos = datos_de(acuifero(),
                                        tabla_pozos({{"A", "0.3", "0.05", "100", "200"},
                                                     {"B", "0.3", "0.02", "300", "400"},
                                                     {"C", "0.3", "-0.04", "300", "200"}}),
                                        "30", tabla_puntos({{"X", "150", "250"}}));
    const CampoPozos campo(datos);
    const Caja vista = a_igual_escala({0, 500, 100, 500}, 600, 480);
    for (const double tiempo : {0.1, 30.0}) {
        const DibujoMapa m =
            componer_mapa(campo, marcas_de(datos, tiempo), tiempo, vista, 600, 480);
        const Rejilla& r = m.rejilla;
        ASSERT_EQ(r.valores.size(), size_t(r.nx) * size_t(r.ny));
        for (int j = 0; j < r.ny; j += 17) {
            for (int i = 0; i < r.nx; i += 13) {
                const double exacto = abatimiento_punto(datos, tiempo, r.x(i), r.y(j));
                EXPECT_NEAR(r.valor(i, j), exacto, 1e-12 * std::fabs(exacto) + 1e-13);
            }
        }
        EXPECT_TRUE(m.minimo < 0 && m.maximo > 0);  // the injection's cone rises above zero
        ASSERT_FALSE(m.isolineas.empty());
        for (const Isolinea& l : m.isolineas) {
            EXPECT_NE(std::find(m.niveles.niveles.begin(), m.niveles.niveles.end(), l.nivel),
                      m.niveles.niveles.end());
        }
        EXPECT_TRUE(m.marcas->pozos.at(2).estado == EstadoPozo::inyeccion &&
                    m.marcas->puntos.at(0).nombre == "X");
    }
}

// The grid as a spreadsheet reads a surface: the x of each column across the first row, then
// each row's y from the highest, and its drawdowns, as the program writes numbers; a node beyond
// a boundary, without a value, an empty cell.
TEST(ComposicionMapa, GridCopiedAsASurface) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Rejilla r{10, -5, 0.5, 2, 3, 2, {1, 2, nan, 4.25, 1e-7, -0.1}};
    EXPECT_EQ(
        tabla_de_rejilla(r),
        (std::vector<std::vector<std::string>>{
            {"", "10", "10.5", "11"}, {"-3", "4.25", "1E-07", "-0.1"}, {"-5", "1", "2", ""}}));
}
