// The plan chart: its worksheet, and the chart as the program builds it, drawn by the Qt Charts
// engine and written as a GIF.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <numeric>
#include <set>

#include "chart/escala_ejes.h"
#include "chart/generar_grafico.h"
#include "chart/hoja_grafico.h"
#include "dibujo/motor_qtcharts.h"
#include "model/errores.h"
#include "support/casos.h"
#include "support/fixtures.h"

using namespace abat;
using namespace abat::prueba;

using Clases = Tabla<double, int>;  // a drawdown and its class

// The classes of 10 m, the last open; the nodes sorted into them in the grid's order, counted; the
// worksheet's coordinate texts read as the calculation reads them, a cell never written no point.
TEST_P(Clases, OfTenMetresTheLastOpen) {
    EXPECT_EQ(clase_de(std::get<1>(GetParam())), std::get<2>(GetParam()));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(HojaGrafico, Clases, testing::ValuesIn(std::vector<Clases::ParamType>{{"negativo", -5, 1}, {"diez", 10, 1},
    {"sobre_diez", std::nextafter(10.0, 11.0), 2}, {"veinte", 20, 2}, {"cuarenta_y_cinco", 45, 5}, {"sesenta", 60, 6},
    {"sobre_sesenta", std::nextafter(60.0, 61.0), 7}, {"enorme", 1e300, 7}}), por_nombre);
// clang-format on

TEST(HojaGrafico, SortingAndCoordinateTexts) {
    colRed nodos;
    for (int i = 0; i < 529; ++i) nodos.Add(i, -i, i % 100);
    Hoja h;
    std::optional<cRedG> nodo;
    const auto c = clasificar_nodos(h, nodos, nodo);
    EXPECT_EQ(std::accumulate(c.begin(), c.end(), 0), 529 + 7 * 2);
    EXPECT_EQ(c[0], 2 + 11 * 6);  // drawdowns 0 to 10 in each of the six hundreds
    EXPECT_EQ(h.get("E3"), ValorCelda(1.0));
    EXPECT_EQ(h.get("F3"), ValorCelda(-1.0));
    EXPECT_EQ(h.get("G2"), ValorCelda(11.0));
    EXPECT_TRUE(h.vacia(direccion_celda('E', c[0])) && !nodo.has_value());
    h.set("A5", std::string(" 1 000 m"));
    h.set("A6", std::string());
    h.set("A7", 2.5);
    EXPECT_EQ(h.numeros(rango("A5:A8")),
              (std::vector<std::optional<double>>{1000.0, 0.0, 2.5, std::nullopt}));
}

// The picture shows, in the plot and with their exact colours, every class that has nodes, under
// the wells and points. It is a GIF made as any file of the user's (0644 under umask 022).
TEST(Grafico, EveryClassWithNodesShowsInItsOwnColour) {
    Declaraciones d = acuifero();
    MotorQtCharts motor(QSize(785, 465));
    const QTemporaryDir dir;
    const std::string archivo = QDir(dir.path()).filePath("grafico.gif").toStdString();
    QImage mostrada;    // what the results window was given
    const Grid pozos =  // C injects: the lowest class, below 10 m, has nodes too
        tabla_pozos({{"A", "0.3", "0.5", "100", "200"},
                     {"B", "0.3", "0.05", "300", "400"},
                     {"C", "0.3", "-0.5", "300", "200"}});
    const mode_t antes = umask(022);
    generar_grafico(d, datos_de(d, pozos, "1", tabla_puntos({{"X", "150", "250"}})), motor,
                    {archivo, [&](const std::string& f) { mostrada.load(f.c_str()); }});
    umask(antes);
    struct stat estado {};
    EXPECT_TRUE(stat(archivo.c_str(), &estado) == 0 && (estado.st_mode & 0777) == 0644);
    ASSERT_EQ(mostrada.size(), QSize(785, 465));
    const QRectF a = motor.areaTrazado();
    // Each node of the plot at its place, in its class's colour, but where a well's or a point's
    // marker (at most 14 pixels from its centre, outline included) is drawn over it. The axes
    // hold every node, one grid step beyond the wells and points.
    const auto pixel = [&](double x, double y) {
        return motor.ultimoDibujo()->en_pixeles(a, x, y).toPoint();
    };
    const std::vector<QPoint> marcas = {pixel(100, 200), pixel(300, 400), pixel(300, 200),
                                        pixel(150, 250)};
    std::set<int> clases;
    int vistos = 0;
    for (const cRedG& n : *d.nodos) {
        const QPoint p = pixel(n.x(), n.y());
        const auto clase = static_cast<size_t>(*clases.insert(clase_de(n.abat())).first);
        if (std::any_of(marcas.begin(), marcas.end(),
                        [&](QPoint m) { return (m - p).manhattanLength() <= 20; }))
            continue;
        ++vistos;
        EXPECT_EQ(mostrada.pixel(p),
                  MotorQtCharts::color_serie(std::string(nombres_clases.at(clase - 1))).rgb())
            << n.x() << " " << n.y();
    }
    EXPECT_TRUE(clases.size() >= 4 && clases.count(1) == 1);
    EXPECT_GE(vistos, 529 - 4 * 4);
}
