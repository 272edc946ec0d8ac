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
#include "support/carpeta.h"

using namespace abat;
using namespace abat::prueba;
namespace fs = std::filesystem;

namespace {

// A write that must fail: error 75, naming the file and the system's cause, each told on its own.
template <typename Escribir>
void falla_el_acceso(Escribir escribir, const std::string& ruta, const std::string& motivo) {
    try {
        escribir();
        ADD_FAILURE() << "a failed write told as success: " << ruta;
    } catch (const ErrorCalculo& e) {
        EXPECT_EQ(e.numero(), 75) << ruta;
        EXPECT_EQ(e.ruta, ruta);
        EXPECT_EQ(e.motivo, motivo) << ruta;
    }
}

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
// The folder the path goes through, and the system's cause.
using Ruta = std::tuple<const char*, const char*, const char*>;
class RutasImposibles : public testing::TestWithParam<std::tuple<const char*, Ruta>> {};

}  // namespace

TEST_P(Escrituras, AFullDiskLeavesTheOldFileWhole) {
    const Carpeta carpeta;
    const std::string ruta = carpeta / GetParam();
    escribir(ruta);
    const auto tamano = static_cast<rlim_t>(fs::file_size(ruta));
    ASSERT_GT(tamano, 4096U) << "the file must cross the limits";
    for (rlim_t bytes = 512; bytes < tamano; bytes += (tamano - 512) / 24 + 1) {
        std::ofstream(ruta, std::ios::binary | std::ios::trunc) << "lo que el archivo tenía\n";
        const auto antes = archivos(carpeta.ruta);  // with the companion file, where there is one
        SCOPED_TRACE(testing::Message() << "limit " << bytes);
        {
            const LimiteDeArchivos lleno(bytes);
            falla_el_acceso([&] { escribir(ruta); }, ruta,
                            "El archivo supera el tamaño que se le permite");
        }
        EXPECT_EQ(archivos(carpeta.ruta), antes);
    }
}

const auto escritores =
    testing::Values("estudio.abat", "grafico.png", "grafico.svg", "grafico.pdf", "grafico.gif",
                    "mapa.gpkg", "malla.tif", "malla.asc", "mapa.dxf");
std::string nombre_del_escritor(const std::string& archivo) {
    std::string n = archivo;
    n[n.find('.')] = '_';
    return n;
}
INSTANTIATE_TEST_SUITE_P(CadaEscritor, Escrituras, escritores,
                         [](const auto& i) { return nombre_del_escritor(i.param); });

// A path that cannot be written (its folder missing, a file where a folder should be, a folder of
// its name): the error names it and the cause, and no temporary file is left, even where GDAL
// wrote the whole file.
TEST_P(RutasImposibles, AnUnwritablePathLeavesNothing) {
    const auto& [archivo, caso] = GetParam();
    const auto& [nombre, carpeta_de_mas, motivo] = caso;
    const Carpeta carpeta;
    std::ofstream(carpeta / "archivo") << "";
    fs::create_directory(carpeta / archivo);
    const std::string ruta = carpeta / (std::string(carpeta_de_mas) + archivo);
    falla_el_acceso([&] { escribir(ruta); }, ruta, motivo);
    EXPECT_EQ(carpeta.archivos(), (std::set<std::string>{"archivo", archivo}));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CadaEscritor, RutasImposibles, testing::Combine(escritores, testing::ValuesIn(std::vector<Ruta>{
    {"en_una_carpeta_que_falta", "no/existe/", "No existe el directorio"},
    {"dentro_de_un_archivo", "archivo/", "Una parte de la ruta no es un directorio"},
    {"sobre_una_carpeta", "", "Es un directorio"}})), [](const auto& i) { return nombre_del_escritor(std::get<0>(i.param)) + "_" + std::get<0>(std::get<1>(i.param)); });
// clang-format on
