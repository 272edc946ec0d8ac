#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <set>
#include <stdexcept>

#include "motor_qtcharts.h"

using namespace abat;

namespace {

// A chart of two wells, one point and one node in each of classes 1, 3 and 7.
void hacer_grafico(MotorQtCharts& m) {
    m.crear();
    Hoja& h = m.hojaActiva();
    h.set("B1", std::string("Pozos"));
    h.set("A2", std::string("100"));
    h.set("B2", std::string("200"));
    h.set("A3", std::string("300"));
    h.set("B3", std::string("400"));
    h.set("D1", std::string("Puntos"));
    h.set("C2", std::string("150"));
    h.set("D2", std::string("250"));
    m.agregarObjetoGrafico(100, 30, 500, 360);
    m.asistenteGrafico("A1:B4");
    m.rellenoAreaGrafico(1, 0xFFFFFF);
    m.seriesPorColumnas();
    m.agregarSerie("D1:D3");
    m.valoresX(2, "C2:C3");
    m.colorAreaTrazado(0xFFFFFF);
    const char* nombres[] = {"Abat. <= 10.0 m", "20.0 < Abat. <= 30.0 m", "Abat. >= 60.0 m"};
    const char columnas[] = {'E', 'I', 'Q'};
    for (int k = 0; k < 3; ++k) {
        const char cx = columnas[k];
        const char cy = static_cast<char>(cx + 1);
        h.set(direccion_celda(cy, 1), std::string(nombres[k]));
        h.set(direccion_celda(cx, 2), 120.0 + 60 * k);
        h.set(direccion_celda(cy, 2), 300.0);
        m.agregarSerie(direccion_celda(cy, 1) + ":" + direccion_celda(cy, 3));
        m.valoresX(3 + k, direccion_celda(cx, 2) + ":" + direccion_celda(cx, 3));
    }
}

}  // namespace

TEST(MotorQtCharts, AxisLimitsForTheWellsAndPoints) {
    MotorQtCharts m(QSize(785, 465));
    m.crear();
    Hoja& h = m.hojaActiva();
    h.set("B1", std::string("Pozos"));
    h.set("A2", std::string("100 m"));  // read as the calculation reads it
    h.set("B2", std::string("82"));
    h.set("A3", std::string("930"));
    h.set("B3", std::string("97"));
    m.agregarObjetoGrafico(100, 30, 500, 360);
    m.asistenteGrafico("A1:B4");
    EXPECT_EQ(m.minimo(Eje::x), 0);
    EXPECT_EQ(m.maximo(Eje::x), 1000);
    EXPECT_EQ(m.minimo(Eje::y), 80);
    EXPECT_EQ(m.maximo(Eje::y), 98);
}

TEST(MotorQtCharts, WritesAGifThatOthersRead) {
    QTemporaryDir dir;
    const std::string archivo = QDir(dir.path()).filePath("grafico.gif").toStdString();
    MotorQtCharts m(QSize(785, 465));
    hacer_grafico(m);
    m.exportar(archivo);

    int error = 0;
    GifFileType* gif = DGifOpenFileName(archivo.c_str(), &error);
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    EXPECT_EQ(gif->SWidth, 785);
    EXPECT_EQ(gif->SHeight, 465);
    ASSERT_EQ(gif->ImageCount, 1);
    const ColorMapObject* mapa = gif->SColorMap;
    std::set<QRgb> usados;
    const SavedImage& imagen = gif->SavedImages[0];
    for (int i = 0; i < 785 * 465; ++i) {
        const GifColorType c = mapa->Colors[imagen.RasterBits[i]];
        usados.insert(qRgb(c.Red, c.Green, c.Blue));
    }
    DGifCloseFile(gif, &error);
    for (const char* clase :
         {"Abat. <= 10.0 m", "20.0 < Abat. <= 30.0 m", "Abat. >= 60.0 m", "Pozos", "Puntos"}) {
        EXPECT_TRUE(usados.count(MotorQtCharts::color_serie(clase).rgb())) << clase;
    }
    EXPECT_FALSE(usados.count(MotorQtCharts::color_serie("10.0 < Abat. <= 20.0 m").rgb()));

    const QImage leida(QString::fromStdString(archivo));
    EXPECT_EQ(leida.size(), QSize(785, 465));
}

TEST(MotorQtCharts, AFileThatCannotBeWrittenIsNamed) {
    MotorQtCharts m(QSize(200, 100));
    hacer_grafico(m);
    try {
        m.exportar("/nonexistent/dir/grafico.gif");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/dir/grafico.gif"), std::string::npos);
    }
}
