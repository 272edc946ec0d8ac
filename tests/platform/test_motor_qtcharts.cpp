#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <set>
#include <vector>

#include "errores.h"
#include "motor_qtcharts.h"

using namespace abat;

namespace {

struct Nodo {
    const char* clase;
    double x, y;
};

const char* const nombres_clases[] = {"Abat. <= 10.0 m",        "10.0 < Abat. <= 20.0 m",
                                      "20.0 < Abat. <= 30.0 m", "30.0 < Abat. <= 40.0 m",
                                      "40.0 < Abat. <= 50.0 m", "50.0 < Abat. <= 60.0 m",
                                      "Abat. >= 60.0 m"};

void escribir_xy(Hoja& h, char columnaX, const char* nombre,
                 const std::vector<std::pair<double, double>>& xy) {
    const char columnaY = static_cast<char>(columnaX + 1);
    h.set(direccion_celda(columnaY, 1), std::string(nombre));
    int fila = 2;
    for (const auto& [x, y] : xy) {
        h.set(direccion_celda(columnaX, fila), x);
        h.set(direccion_celda(columnaY, fila), y);
        ++fila;
    }
}

// The chart as the program builds it: wells, points, then one series per class with nodes.
void hacer_grafico(MotorQtCharts& m, const std::vector<std::pair<double, double>>& pozos,
                   const std::vector<std::pair<double, double>>& puntos,
                   const std::vector<Nodo>& nodos) {
    m.crear();
    Hoja& h = m.hojaActiva();
    escribir_xy(h, 'A', "Pozos", pozos);
    escribir_xy(h, 'C', "Puntos", puntos);
    m.agregarObjetoGrafico(100, 30, 500, 360);
    m.asistenteGrafico("A1:B" + std::to_string(pozos.size() + 2));
    m.rellenoAreaGrafico(1, 0xFFFFFF);
    m.seriesPorColumnas();
    m.agregarSerie("D1:D" + std::to_string(puntos.size() + 2));
    m.valoresX(2, "C2:C" + std::to_string(puntos.size() + 2));
    m.colorAreaTrazado(0xFFFFFF);
    int serie = 3;
    for (const Nodo& n : nodos) {
        const char cx = static_cast<char>('E' + 2 * serie - 6);
        escribir_xy(h, cx, n.clase, {{n.x, n.y}});
        const auto cy = static_cast<char>(cx + 1);
        m.agregarSerie(direccion_celda(cy, 1) + ":" + direccion_celda(cy, 3));
        m.valoresX(serie++, direccion_celda(cx, 2) + ":" + direccion_celda(cx, 3));
    }
}

std::set<QRgb> colores_en(const QImage& imagen, const QRect& zona) {
    std::set<QRgb> colores;
    for (int y = zona.top(); y <= zona.bottom(); ++y) {
        for (int x = zona.left(); x <= zona.right(); ++x)
            colores.insert(imagen.pixel(x, y) | 0xFF000000U);
    }
    return colores;
}

}  // namespace

// The picture is a GIF that others read, made as any file of the user's (0644 under umask 022)
// with the classes' exact colours; one that cannot be written is error 75 naming the file.
TEST(MotorQtCharts, WritesAGifOrNamesTheFile) {
    QTemporaryDir dir;
    const std::string archivo = QDir(dir.path()).filePath("grafico.gif").toStdString();
    MotorQtCharts m(QSize(785, 465));
    hacer_grafico(m, {{100, 200}, {300, 400}}, {{150, 250}},
                  {{nombres_clases[0], 120, 300}, {nombres_clases[6], 240, 300}});
    const mode_t antes = umask(022);
    m.exportar(archivo);
    umask(antes);
    struct stat estado {};
    ASSERT_EQ(stat(archivo.c_str(), &estado), 0);
    EXPECT_EQ(estado.st_mode & 0777, 0644U);
    const QImage leida(QString::fromStdString(archivo));
    ASSERT_EQ(leida.size(), QSize(785, 465));
    const std::set<QRgb> colores = colores_en(leida, leida.rect());
    for (const char* serie : {nombres_clases[0], nombres_clases[6], "Pozos", "Puntos"}) {
        EXPECT_TRUE(colores.count(MotorQtCharts::color_serie(serie).rgb())) << serie;
    }
    EXPECT_FALSE(colores.count(MotorQtCharts::color_serie(nombres_clases[1]).rgb()));
    try {
        m.exportar("/nonexistent/dir/grafico.gif");
        FAIL();
    } catch (const ErrorCalculo& e) {
        EXPECT_EQ(e.numero(), 75);
        EXPECT_EQ(e.ruta, "/nonexistent/dir/grafico.gif");
    }
}

// A node under a well or a point has the largest drawdown around it: every class in the legend
// shows in the plot itself, and wells and points keep their own colours.
TEST(MotorQtCharts, EveryClassShowsUnderWellsAndPoints) {
    MotorQtCharts m(QSize(785, 465));
    std::vector<Nodo> nodos;
    for (int k = 0; k < 7; ++k)
        nodos.push_back({nombres_clases[k], 100.0 * k, k % 2 ? 0.0 : 500.0});
    hacer_grafico(m, {{0, 500}, {200, 500}, {400, 500}, {600, 500}}, {{100, 0}, {300, 0}, {500, 0}},
                  nodos);
    const QImage imagen = m.dibujar();
    ASSERT_FALSE(m.areaTrazado().isEmpty());
    const std::set<QRgb> trazado = colores_en(imagen, m.areaTrazado());
    for (const char* serie : nombres_clases) {
        EXPECT_TRUE(trazado.count(MotorQtCharts::color_serie(serie).rgb())) << serie;
    }
    EXPECT_TRUE(trazado.count(MotorQtCharts::color_serie("Pozos").rgb()));
    EXPECT_TRUE(trazado.count(MotorQtCharts::color_serie("Puntos").rgb()));
}

// Limits that once kept the axis labelling busy forever: each draws, or is an overflow error.
// CTest's timeout turns a hang into a failure.
TEST(MotorQtCharts, HostileLimitsDrawInBoundedTime) {
    const double casos[][2] = {{0, 1e-13},      {0, 1e-300}, {0, 4.9e-324},   {1e6, 1e6 + 1e-9},
                               {-1e300, 1e300}, {0, 1e308},  {-1e-10, 1e-10}, {1e15, 1e15 + 1}};
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c[0] << ".." << c[1]);
        MotorQtCharts m(QSize(785, 465));
        hacer_grafico(m, {{c[0], c[0]}}, {{c[1], c[1]}}, {{nombres_clases[0], c[0], c[1]}});
        EXPECT_FALSE(m.dibujar().isNull());
    }
    MotorQtCharts m(QSize(785, 465));
    hacer_grafico(m, {{-1e308, 0}}, {{1e308, 0}}, {});
    EXPECT_THROW(m.dibujar(), ErrorCalculo);
}
