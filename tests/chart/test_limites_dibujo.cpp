// The aquifer's boundaries and the wells' schedules drawn: a line's stretch within a rectangle, the
// map's extent that holds them, the plan chart and the map with a barrier hatched on its far side,
// no node drawn beyond them, and each well on the map as it is at the map's time.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <array>
#include <cmath>

#include "calc/campo_pozos.h"
#include "chart/composicion_mapa.h"
#include "chart/generar_grafico.h"
#include "chart/vista_mapa.h"
#include "dibujo/estados_pozos.h"
#include "dibujo/lamina_mapa.h"
#include "dibujo/motor_qtcharts.h"
#include "dibujo/pintar_limites.h"
#include "dibujo/pintar_mapa.h"
#include "support/casos.h"
#include "support/fixtures.h"

using namespace abat;
using namespace abat::prueba;

namespace {

Lado dibujo(double x1, double y1, double x2, double y2) {
    return {{TipoLimite::recarga, x1, y1, x2, y2}, 1};
}

// A recharge line at x = 60 and a barrier at y = 150, the wells and the point above and right.
DatosCalculo con_limites(const Declaraciones& d) {
    DatosCalculo datos = datos_de(
        d, tabla_pozos({{"A", "0.3", "0.05", "100", "200"}, {"B", "0.3", "0.05", "300", "400"}}),
        "1", tabla_puntos({{"X", "150", "250"}}));
    poner_limites(datos,
                  {{TipoLimite::recarga, 60, 0, 60, 10}, {TipoLimite::barrera, 0, 150, 10, 150}});
    return datos;
}

using Tramo = std::optional<std::array<double, 4>>;
using Tramos = Tabla<Lado, Tramo>;  // a line, and its stretch in the box [0, 10]²

}  // namespace

// A line's stretch within a rectangle.
TEST_P(Tramos, TheStretchOfALine) {
    const auto& [nombre, lado, tramo] = GetParam();
    const Limite& l = lado.limite;
    EXPECT_EQ(tramo_en_caja(l.x1, l.y1, l.x2, l.y2, {0, 10, 0, 10}), tramo);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(LimitesDibujo, Tramos, testing::ValuesIn(std::vector<Tramos::ParamType>{
    {"de_lado_a_lado_mas_alla_de_sus_puntos", dibujo(5, 0, 5, 1), Tramo{{5, 0, 5, 10}}},
    {"diagonal_de_esquina_a_esquina", dibujo(0, 0, 1, 1), Tramo{{0, 0, 10, 10}}}, {"al_lado", dibujo(-5, 0, -5, 1), std::nullopt},
    {"que_no_llega_a_la_esquina", dibujo(20, 0, 30, 10), std::nullopt}, {"a_lo_largo_del_borde", dibujo(0, 10, 4, 10), Tramo{{0, 10, 10, 10}}},
    {"en_el_sentido_dado", dibujo(12, 5, 2, 5), Tramo{{10, 5, 0, 5}}}}), por_nombre);
// clang-format on

// The map's view holds the points that give each line, with room around them.
TEST(LimitesDibujo, TheMapsExtentHoldsTheLines) {
    const Caja w =
        con_limites({0, 100, 0, 50}, {dibujo(-200, 20, -200, 30), dibujo(10, 300, 20, 300)});
    EXPECT_TRUE(w.xmin < -200 && w.ymax > 300 && w.xmax == 100 && w.ymin == 0);  // held already
}

// On the plan chart the barrier is hatched below it, away from the wells; no node beyond either
// boundary, and on the map a grey where there is no aquifer.
TEST(LimitesDibujo, ThePlanChartAndTheMapDrawTheBoundaries) {
    const QTemporaryDir dir;
    Declaraciones d = acuifero();
    const DatosCalculo datos = con_limites(d);
    MotorQtCharts motor(QSize(785, 465));
    motor.setLimites(datos.contorno.lados);
    QImage mostrada;
    generar_grafico(d, datos, motor,
                    {QDir(dir.path()).filePath("g.gif").toStdString(),
                     [&](const std::string& f) { mostrada.load(f.c_str()); }});
    const QRectF a = motor.areaTrazado();
    const QPoint f = motor.ultimoDibujo()->en_pixeles(a, 200, 150).toPoint();
    int rayado = 0;  // near the barrier's grey below it, as a thin slanting hatch antialiased
    for (int y = f.y() + 2; y < f.y() + 7; ++y) {
        for (int x = f.x() - 40; x < f.x() + 40; ++x) {
            const QColor c(mostrada.pixel(x, y)), g = color_barrera;
            rayado += std::abs(c.red() - g.red()) + std::abs(c.green() - g.green()) +
                          std::abs(c.blue() - g.blue()) <
                      120;
        }
    }
    EXPECT_GT(rayado, 20);
    for (const cRedG& n : *d.nodos)
        EXPECT_EQ(std::isnan(n.abat()), n.x() < 60 || n.y() < 150) << n.x() << " " << n.y();
    const Caja vista = a_igual_escala({0, 500, 0, 500}, 600, 480);
    const DibujoMapa m = componer_mapa(CampoPozos(datos), marcas_de(datos, 1), 1, vista, 600, 480);
    QImage imagen(720, 540, QImage::Format_RGB32);
    QPainter p(&imagen);
    pintar_mapa(p, imagen.size(), m);
    p.end();
    const QRectF r = area_de_trazado(imagen.size());  // (20, 60), beyond the river
    EXPECT_EQ(imagen.pixel(qRound(r.left() + (20 - m.vista.xmin) / m.vista.ancho() * r.width()),
                           qRound(r.bottom() - (60 - m.vista.ymin) / m.vista.alto() * r.height())),
              qRgb(200, 200, 200));
}

namespace {

struct CasoEstados {
    const char* nombre;
    double dias;
    std::array<EstadoPozo, 3> estados;  // of A, B and C
    const char* leyenda;                // its wells' entries
};

void PrintTo(const CasoEstados& c, std::ostream* os) {
    *os << c.nombre;
}

}  // namespace

class EstadosPozos : public testing::TestWithParam<CasoEstados> {};

// A stopped at day 1, B stopped then injecting from day 2, C pumping throughout: the map at a time
// draws each as it is then, red pumping, grey stopped, blue injecting, and its legend names the
// states it shows.
TEST_P(EstadosPozos, ElMapaDibujaCadaPozoComoEstaASuTiempo) {
    const CasoEstados& c = GetParam();
    DatosCalculo datos = datos_de(acuifero(),
                                  tabla_pozos({{"A", "0.3", "0.05", "100", "200"},
                                               {"B", "0.3", "0.02", "300", "400"},
                                               {"C", "0.3", "0.03", "300", "200"}}),
                                  "1");
    const LecturaEstricta cero{Lectura::numero, 0};
    datos.etapas = {{{1, cero}}, {{1, cero}, {2, {Lectura::numero, -0.01}}}};
    const Caja vista = a_igual_escala({0, 500, 0, 500}, 600, 480);
    const DibujoMapa m =
        componer_mapa(CampoPozos(datos), marcas_de(datos, c.dias), c.dias, vista, 600, 480);
    QImage imagen(720, 540, QImage::Format_RGB32);
    QPainter p(&imagen);
    pintar_mapa(p, imagen.size(), m);
    p.end();
    const QRectF r = area_de_trazado(imagen.size());
    const std::array<QRgb, 3> color = {qRgb(0xE4, 0x1A, 0x1C), qRgb(0x80, 0x80, 0x80),
                                       qRgb(0x1F, 0x4E, 0xB4)};
    for (size_t k = 0; k < 3; ++k) {
        const MarcaMapa& w = m.marcas->pozos[k];
        const QPointF en(r.left() + (w.x - m.vista.xmin) / m.vista.ancho() * r.width(),
                         r.bottom() - (w.y - m.vista.ymin) / m.vista.alto() * r.height());
        EXPECT_EQ(imagen.pixel(en.toPoint()), color[static_cast<size_t>(c.estados[k])]) << w.nombre;
    }
    QStringList pozos;
    for (const EntradaLeyenda& e : leyenda(m))
        if (e.texto.startsWith("Pozo")) pozos << e.texto;
    EXPECT_EQ(pozos.join('|'), c.leyenda);
}

INSTANTIATE_TEST_SUITE_P(
    Tiempos, EstadosPozos,
    testing::Values(CasoEstados{"todos_bombean",
                                0.5,
                                {EstadoPozo::bombeo, EstadoPozo::bombeo, EstadoPozo::bombeo},
                                "Pozo de bombeo"},
                    CasoEstados{"parados_tras_el_dia_1",
                                1.5,
                                {EstadoPozo::parado, EstadoPozo::parado, EstadoPozo::bombeo},
                                "Pozo de bombeo|Pozo parado"},
                    CasoEstados{"inyecta_desde_el_dia_2",
                                3,
                                {EstadoPozo::parado, EstadoPozo::inyeccion, EstadoPozo::bombeo},
                                "Pozo de bombeo|Pozo parado|Pozo de inyección"}),
    [](const auto& i) { return std::string(i.param.nombre); });

// On the plan chart at the pumping time, 1.5 days, A (stopped at day 1) is crossed out in black and
// B (injecting from day 1) carries a blue triangle; C, pumping, has neither over its red one.
TEST(EstadosPozosPlano, CadaPozoConLaMarcaDeSuEstado) {
    const QTemporaryDir dir;
    Declaraciones d = acuifero();
    DatosCalculo datos = datos_de(d,
                                  tabla_pozos({{"A", "0.3", "0.05", "100", "200"},
                                               {"B", "0.3", "0.02", "300", "400"},
                                               {"C", "0.3", "0.03", "300", "200"}}),
                                  "1.5", tabla_puntos({{"X", "150", "250"}}));
    datos.etapas = {{{1, {Lectura::numero, 0}}}, {{1, {Lectura::numero, -0.01}}}};
    MotorQtCharts motor(QSize(785, 465));
    motor.setEstados(datos.estados_en(datos.tiempo));
    QImage mostrada;
    generar_grafico(d, datos, motor,
                    {QDir(dir.path()).filePath("g.gif").toStdString(),
                     [&](const std::string& f) { mostrada.load(f.c_str()); }});
    ASSERT_FALSE(mostrada.isNull());
    const auto cuenta = [&](const Pozo& p, QColor color) {  // such pixels over the well's mark
        const QPoint c = motor.ultimoDibujo()->en_pixeles(motor.areaTrazado(), p.x, p.y).toPoint();
        int n = 0;
        for (int y = c.y() - 11; y <= c.y() + 11; ++y) {
            for (int x = c.x() - 11; x <= c.x() + 11; ++x) {
                const QColor v(mostrada.pixel(x, y));
                n += std::abs(v.red() - color.red()) + std::abs(v.green() - color.green()) +
                         std::abs(v.blue() - color.blue()) <
                     60;
            }
        }
        return n;
    };
    const struct {
        size_t pozo;
        bool tachado;
        bool triangulo_azul;
    } casos[] = {{0, true, false}, {1, false, true}, {2, false, false}};
    for (const auto& c : casos) {
        const Pozo& p = datos.pozos[c.pozo];
        EXPECT_EQ(cuenta(p, Qt::black) >= 10, c.tachado) << p.nombre;
        EXPECT_EQ(cuenta(p, color_inyeccion) >= 10, c.triangulo_azul) << p.nombre;
    }
}
