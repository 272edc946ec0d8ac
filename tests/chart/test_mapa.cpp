// The drawdown map: its view at one scale, its grid and values, its levels, and its data as a
// spreadsheet reads them.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "calc/abatimiento.h"
#include "chart/composicion_mapa.h"
#include "chart/vista_mapa.h"
#include "forms/frmMapa.h"
#include "support/fixtures.h"

using namespace abat;
using namespace abat::prueba;

// Whatever the box, a metre is as long across as up, the extent centred where it was and never
// cut; the wheel scales about the cursor, which stays at its place, at the same scale.
TEST(VistaMapa, EqualScaleWhateverTheBoxAndTheZoom) {
    using Caso = std::tuple<VistaMapa, int, int>;
    for (const auto& [v, ancho, alto] : {Caso{{-400, 800, -100, 500}, 700, 500},
                                         {{0, 10, 0, 1000}, 300, 800},
                                         {{5, 5, 0, 100}, 400, 400},
                                         {{3, 3, 7, 7}, 640, 480}}) {
        const VistaMapa e = a_igual_escala(v, ancho, alto);
        EXPECT_NEAR(e.ancho() / ancho / (e.alto() / alto), 1, 1e-12);
        EXPECT_TRUE(e.xmin <= v.xmin && e.xmax >= v.xmax && e.ymin <= v.ymin && e.ymax >= v.ymax);
        EXPECT_NEAR(e.xmin + e.xmax, v.xmin + v.xmax, 1e-9);
        EXPECT_NEAR(e.ymin + e.ymax, v.ymin + v.ymax, 1e-9);
        const VistaMapa z = a_igual_escala(acercar(e, 0.8, 250, 120), ancho, alto);
        EXPECT_NEAR(z.ancho() / e.ancho(), 0.8, 1e-12);
        EXPECT_NEAR((250 - z.xmin) / z.ancho(), (250 - e.xmin) / e.ancho(), 1e-9);
        EXPECT_NEAR((120 - z.ymin) / z.alto(), (120 - e.ymin) / e.alto(), 1e-9);
    }
    // Square cells: 2.5 pixels a node on a large box, 200 nodes along the shorter side of a
    // small one; from the lower left corner to within a step of the opposite one.
    using Red = std::tuple<VistaMapa, int, int, int, int>;
    for (const auto& [v, ancho, alto, nx, ny] : {Red{{-50, 950, 0, 600}, 1000, 600, 401, 241},
                                                 {{-50, 1450, 0, 1000}, 300, 200, 299, 200},
                                                 {{0, 1000, -50, 1450}, 200, 300, 200, 299}}) {
        const Rejilla r = rejilla_de_vista(v, ancho, alto);
        EXPECT_EQ(std::tuple(r.nx, r.ny, r.dx), std::tuple(nx, ny, r.dy)) << ancho;
        const double holgura = 1e-9 * r.dx;  // the last node may miss the edge by a rounding
        EXPECT_TRUE(r.x0 == v.xmin && r.y0 == v.ymin && r.x(r.nx - 1) <= v.xmax + holgura &&
                    r.x(r.nx) > v.xmax && r.y(r.ny - 1) <= v.ymax + holgura && r.y(r.ny) > v.ymax);
    }
}

// A typed interval: its multiples within the values, as typed, not as a product rounds them;
// none where there would be too many lines (201 is one too many), or where the multiples run
// together (k + 1 == k).
TEST(NivelesMapa, MultiplesOfTheTypedInterval) {
    using Caso = std::tuple<double, double, double, std::vector<double>>;
    for (const auto& [desde, hasta, intervalo, niveles] :
         {Caso{0.3, 2.2, 0.5, {0.5, 1, 1.5, 2}}, Caso{-1.2, 0.9, 1, {-1, 0}},
          Caso{0.25, 0.75, 0.1, {0.3, 0.4, 0.5, 0.6, 0.7}}, Caso{0, 1000, 1, {}},
          Caso{0, 200, 1, {}}, Caso{0, 10, 0, {}}, Caso{1e20, 1e20, 1, {}}}) {
        EXPECT_EQ(niveles_de_intervalo(desde, hasta, intervalo).niveles, niveles) << hasta;
    }
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
    const VistaMapa vista = a_igual_escala({0, 500, 100, 500}, 600, 480);
    for (const double tiempo : {0.1, 30.0}) {
        const DibujoMapa m = componer_mapa(campo, marcas_de(datos), tiempo, vista, 600, 480);
        const Rejilla& r = m.rejilla;
        ASSERT_EQ(r.valores.size(), size_t(r.nx) * size_t(r.ny));
        for (int j = 0; j < r.ny; j += 17) {
            for (int i = 0; i < r.nx; i += 13) {
                const double exacto = abatimiento_punto(datos, tiempo, r.x(i), r.y(j));
                EXPECT_NEAR(r.valor(i, j), exacto, 1e-12 * std::fabs(exacto) + 1e-13);
            }
        }
        EXPECT_TRUE(m.minimo < 0 && m.maximo > 0);  // the injection's cone rises above zero
        EXPECT_TRUE(m.niveles.niveles.size() >= 8 && m.niveles.niveles.size() <= 15);
        ASSERT_FALSE(m.isolineas.empty());
        for (const Isolinea& l : m.isolineas) {
            EXPECT_NE(std::find(m.niveles.niveles.begin(), m.niveles.niveles.end(), l.nivel),
                      m.niveles.niveles.end());
        }
        EXPECT_TRUE(m.marcas->pozos.at(2).inyecta && m.marcas->puntos.at(0).nombre == "X");
    }
}

// The grid as a spreadsheet reads a surface: the x of each column across the first row, then
// each row's y from the highest, and its drawdowns, as the program writes numbers.
TEST(ComposicionMapa, GridCopiedAsASurface) {
    const Rejilla r{10, -5, 0.5, 2, 3, 2, {1, 2, 3, 4.25, 1e-7, -0.1}};
    EXPECT_EQ(
        tabla_de_rejilla(r),
        (std::vector<std::vector<std::string>>{
            {"", "10", "10.5", "11"}, {"-3", "4.25", "1E-07", "-0.1"}, {"-5", "1", "2", "3"}}));
}
