// Every writer of the program on a disk that fills while it writes: the old file stays whole, no
// temporary file is left, and the failure names the file and the cause.
#include <gtest/gtest.h>

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
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

constexpr rlim_t limite = 4096;                            // bytes: every file below is larger
const std::string anterior = "lo que el archivo tenía\n";  // the old file

struct Carpeta {
    fs::path ruta = [] {
        std::string plantilla = testing::TempDir() + "abat-escritura-XXXXXX";
        return fs::path(mkdtemp(plantilla.data()));
    }();
    ~Carpeta() { fs::remove_all(ruta); }
    // Each file's name and bytes.
    std::map<std::string, std::string> archivos() const {
        std::map<std::string, std::string> todo;
        for (const auto& e : fs::directory_iterator(ruta)) {
            std::ifstream f(e.path(), std::ios::binary);
            std::ostringstream s;
            s << f.rdbuf();
            todo[e.path().filename()] = s.str();
        }
        return todo;
    }
};

Estudio estudio_grande() {
    Estudio e;
    e.T = "0.01";
    e.S = "0.0002";
    e.tiempo = "30";
    for (int k = 0; k < 200; ++k) {
        e.pozos.push_back({"P" + std::to_string(k), "0.3", "0.05", std::to_string(10 * k), "0"});
    }
    return e;
}

// A picture that no format squeezes below the limit: a gradient under many lines.
void pintar(QPainter& p, QSizeF tamano) {
    QLinearGradient degradado(0, 0, tamano.width(), tamano.height());
    degradado.setColorAt(0, Qt::blue);
    degradado.setColorAt(1, Qt::red);
    p.fillRect(QRectF(QPointF(0, 0), tamano), degradado);
    std::mt19937 azar(7);
    for (int k = 0; k < 400; ++k) {
        p.setPen(QColor::fromRgb(azar() & 0xFFFFFFU));
        p.drawLine(QPointF(azar() % 400, azar() % 300), QPointF(azar() % 400, azar() % 300));
    }
}

QImage ruido() {
    QImage imagen(200, 200, QImage::Format_RGB32);
    std::mt19937 azar(3);
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x) imagen.setPixel(x, y, azar() & 0xFFFFFFU);
    return imagen;
}

// A study in EPSG:25830 with a grid of 100 x 100 nodes of values no compression shortens.
struct Sig {
    std::vector<Pozo> pozos = {{"P1", 0.3, {Lectura::numero, 0.015}, 440100, 4470200}};
    std::vector<Punto> puntos = {{"A", 440200, 4470210}};
    Resultados resultados{1, {1.5}, {1.5}};
    CapasSig capas() const {
        CapasSig c;
        c.sistema = *leer_sistema("25830").sistema;
        c.pozos = pozos;
        c.puntos = puntos;
        c.tiempo = 30;
        c.resultados = &resultados;
        c.isolineas = {30, {{0.5, {{440000, 4470000}, {440010, 4470007}}}}};
        c.rejilla = {440000, 4470000, 5, 5, 100, 100, {}};
        std::mt19937 azar(5);
        for (int k = 0; k < 100 * 100; ++k) c.rejilla.valores.push_back(azar() / 1e6);
        return c;
    }
};

struct Escritor {
    const char* archivo;
    std::function<void(const std::string& ruta)> escribir;
};

// The error that writing raises, if any.
std::optional<ErrorCalculo> error_al_escribir(const Escritor& e, const fs::path& ruta) {
    try {
        e.escribir(ruta);
    } catch (const ErrorCalculo& error) {
        return error;
    }
    return std::nullopt;
}

const std::string demasiado_grande = "El archivo supera el tamaño que se le permite";

void PrintTo(const Escritor& e, std::ostream* os) {
    *os << e.archivo;
}

std::string nombre_del_caso(const testing::TestParamInfo<Escritor>& i) {
    std::string n = i.param.archivo;
    for (char& c : n)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return n;
}

class Escrituras : public testing::TestWithParam<Escritor> {};

}  // namespace

// Written whole when there is room; beyond the limit, the write that crosses it fails (EFBIG,
// as ENOSPC on a full disk): the error names the file and why, the old file is as it was and
// nothing is left beside it.
TEST_P(Escrituras, AFullDiskLeavesTheOldFileWhole) {
    const Carpeta carpeta;
    const fs::path ruta = carpeta.ruta / GetParam().archivo;
    GetParam().escribir(ruta);
    ASSERT_GT(fs::file_size(ruta), limite) << "the file must cross the limit";
    std::ofstream(ruta, std::ios::binary | std::ios::trunc) << anterior;
    const auto antes = carpeta.archivos();  // with the companion file, where there is one

    std::optional<ErrorCalculo> error;
    {
        const LimiteDeArchivos lleno(limite);
        error = error_al_escribir(GetParam(), ruta);
    }
    ASSERT_TRUE(error.has_value()) << "a failed write told as success";
    EXPECT_EQ(std::tuple(error->numero(), error->ruta, error->motivo),
              std::tuple(75, ruta.string(), demasiado_grande));
    EXPECT_EQ(carpeta.archivos(), antes);
}

// Wherever the disk fills, the cause is told: GDAL goes on after its first failure (SQLite rolls
// back and looks for its journal, TIFF reads its directory again) and leaves another error number,
// or none.
TEST_P(Escrituras, TheCauseWhereverTheDiskFills) {
    const Carpeta carpeta;
    const fs::path ruta = carpeta.ruta / GetParam().archivo;
    GetParam().escribir(ruta);
    const auto tamano = static_cast<rlim_t>(fs::file_size(ruta));
    for (const auto& e : fs::directory_iterator(carpeta.ruta)) fs::remove(e.path());
    constexpr int veces = 24;
    for (int k = 0; k < veces; ++k) {
        const rlim_t bytes = 512 + (tamano - 512) * static_cast<rlim_t>(k) / veces;
        std::optional<ErrorCalculo> error;
        {
            const LimiteDeArchivos lleno(bytes);
            error = error_al_escribir(GetParam(), ruta);
        }
        EXPECT_EQ(error ? error->motivo : "escrito", demasiado_grande) << "limit " << bytes;
        EXPECT_TRUE(carpeta.archivos().empty()) << "limit " << bytes;
    }
}

INSTANTIATE_TEST_SUITE_P(
    CadaEscritor, Escrituras,
    testing::Values(
        Escritor{"estudio.abat",
                 [](const std::string& r) { guardar_estudio(estudio_grande(), r); }},
        Escritor{"grafico.png",
                 [](const std::string& r) {
                     guardar_imagen(QString::fromStdString(r), {400, 300}, pintar, "Gráfico");
                 }},
        Escritor{"grafico.svg",
                 [](const std::string& r) {
                     guardar_imagen(QString::fromStdString(r), {400, 300}, pintar, "Gráfico");
                 }},
        Escritor{"grafico.pdf",
                 [](const std::string& r) {
                     guardar_imagen(QString::fromStdString(r), {400, 300}, pintar, "Gráfico");
                 }},
        Escritor{"grafico.gif", [](const std::string& r) { escribir_gif(ruido(), r); }},
        Escritor{"mapa.gpkg", [](const std::string& r) { exportar_geopackage(r, Sig().capas()); }},
        Escritor{"malla.tif",
                 [](const std::string& r) {
                     const Sig s;
                     exportar_geotiff(r, s.capas().rejilla, s.capas().sistema);
                 }},
        Escritor{"malla.asc",
                 [](const std::string& r) {
                     const Sig s;
                     exportar_asc(r, s.capas().rejilla, s.capas().sistema);
                 }},
        Escritor{"mapa.dxf", [](const std::string& r) { exportar_dxf(r, Sig().capas()); }}),
    nombre_del_caso);
