// Every writer of the program on a disk that fills while it writes: wherever it fills, the write
// that crosses the limit fails (EFBIG, as ENOSPC on a full disk), the error names the file and
// why, the old file stays whole and nothing is left beside it. GDAL goes on after its first
// failure (SQLite rolls back and looks for its journal, TIFF reads its directory again) and may
// leave another error number, or none: the cause is told all the same.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "archivos/limite_de_archivos.h"
#include "dibujo/gif.h"
#include "dibujo/guardar_imagen.h"
#include "estudio/archivo_estudio.h"
#include "model/errores.h"
#include "sig/exportacion.h"
#include "sig/sistema_coordenadas.h"

using namespace abat;
using namespace abat::prueba;
namespace fs = std::filesystem;

namespace {

// Each file of a folder, by name, with its bytes.
std::map<std::string, std::string> archivos(const fs::path& carpeta) {
    std::map<std::string, std::string> todo;
    for (const auto& e : fs::directory_iterator(carpeta))
        todo[e.path().filename()] =
            (std::ostringstream() << std::ifstream(e.path(), std::ios::binary).rdbuf()).str();
    return todo;
}

// The file written by the program's writer for its extension, none of which squeezes it below
// 4 kB: a study of 200 wells, pictures of random colours, a grid of 100 × 100 random values.
void escribir(const std::string& ruta) {
    std::mt19937 azar(5);
    const std::string tipo = fs::path(ruta).extension();
    if (tipo == ".abat") {
        Estudio e{"0.01", "0.0002", {}, {}, "30", {}, {}};
        for (int k = 0; k < 200; ++k)
            e.pozos.push_back(
                {"P" + std::to_string(k), "0.3", "0.05", std::to_string(10 * k), "0"});
        return guardar_estudio(e, ruta);
    }
    if (tipo == ".gif") {
        QImage imagen(200, 200, QImage::Format_RGB32);
        for (int k = 0; k < 200 * 200; ++k) imagen.setPixel(k % 200, k / 200, azar() & 0xFFFFFFU);
        return escribir_gif(imagen, ruta);
    }
    if (tipo == ".png" || tipo == ".svg" || tipo == ".pdf") {
        const auto pintar = [&](QPainter& p, QSizeF) {
            for (int k = 0; k < 400; ++k) {
                p.setPen(QColor::fromRgb(azar() & 0xFFFFFFU));
                p.drawLine(azar() % 400, azar() % 300, azar() % 400, azar() % 300);
            }
        };
        return guardar_imagen(QString::fromStdString(ruta), {400, 300}, pintar, "Gráfico");
    }
    const std::vector<Pozo> pozos = {{"P1", 0.3, {Lectura::numero, 0.015}, 440100, 4470200}};
    const std::vector<Punto> puntos = {{"A", 440200, 4470210}};
    const Resultados resultados{1, {1.5}, {1.5}};
    // clang-format off
    CapasSig c{*leer_sistema("25830"), pozos, puntos, 30, &resultados,
               {30, {{0.5, {{440000, 4470000}, {440010, 4470007}}}}}, {440000, 4470000, 5, 5, 100, 100, {}}};
    // clang-format on
    for (int k = 0; k < 100 * 100; ++k) c.rejilla.valores.push_back(azar() / 1e6);
    if (tipo == ".gpkg") exportar_geopackage(ruta, c);
    if (tipo == ".tif") exportar_geotiff(ruta, c.rejilla, c.sistema);
    if (tipo == ".asc") exportar_asc(ruta, c.rejilla, c.sistema);
    if (tipo == ".dxf") exportar_dxf(ruta, c);
}

class Escrituras : public testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(Escrituras, AFullDiskLeavesTheOldFileWhole) {
    std::string plantilla = testing::TempDir() + "abat-escritura-XXXXXX";
    const fs::path carpeta = mkdtemp(plantilla.data());
    const fs::path ruta = carpeta / GetParam();
    escribir(ruta);
    const auto tamano = static_cast<rlim_t>(fs::file_size(ruta));
    ASSERT_GT(tamano, 4096U) << "the file must cross the limits";
    for (rlim_t bytes = 512; bytes < tamano; bytes += (tamano - 512) / 24 + 1) {
        std::ofstream(ruta, std::ios::binary | std::ios::trunc) << "lo que el archivo tenía\n";
        const auto antes = archivos(carpeta);  // with the companion file, where there is one
        try {
            const LimiteDeArchivos lleno(bytes);
            escribir(ruta);
            ADD_FAILURE() << "a failed write told as success, limit " << bytes;
        } catch (const ErrorCalculo& e) {
            EXPECT_EQ(
                std::tuple(e.numero(), e.ruta, e.motivo),
                std::tuple(75, ruta.string(), "El archivo supera el tamaño que se le permite"))
                << "limit " << bytes;
        }
        EXPECT_EQ(archivos(carpeta), antes) << "limit " << bytes;
    }
    fs::remove_all(carpeta);
}

INSTANTIATE_TEST_SUITE_P(CadaEscritor, Escrituras,
                         testing::Values("estudio.abat", "grafico.png", "grafico.svg",
                                         "grafico.pdf", "grafico.gif", "mapa.gpkg", "malla.tif",
                                         "malla.asc", "mapa.dxf"),
                         [](const auto& i) {
                             std::string n = i.param;
                             n[n.find('.')] = '_';
                             return n;
                         });
