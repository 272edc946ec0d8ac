#include "dibujo/gif.h"

#include <fcntl.h>
#include <gif_lib.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "model/errores.h"

namespace abat {
namespace {

constexpr int colores_gif = 256;

// The colours of `exactos` that the picture holds, then the most frequent of the others. A
// reserved colour the picture lacks is left out: it would draw in edge pixels.
QList<QRgb> paleta_de(const QImage& imagen, const std::vector<QRgb>& exactos) {
    std::unordered_map<QRgb, int> frecuencia;
    for (int y = 0; y < imagen.height(); ++y) {
        const auto* fila = reinterpret_cast<const QRgb*>(imagen.constScanLine(y));
        for (int x = 0; x < imagen.width(); ++x) ++frecuencia[fila[x]];
    }
    QList<QRgb> paleta;
    const auto agregar = [&](QRgb c) {
        if (paleta.size() < colores_gif && !paleta.contains(c)) paleta.append(c);
    };
    for (const QRgb c : exactos) {
        if (frecuencia.contains(c | 0xFF000000U)) agregar(c | 0xFF000000U);
    }
    std::vector<std::pair<int, QRgb>> por_frecuencia;
    por_frecuencia.reserve(frecuencia.size());
    for (const auto& [color, n] : frecuencia) por_frecuencia.emplace_back(n, color);
    std::sort(por_frecuencia.begin(), por_frecuencia.end(), std::greater<>());
    for (const auto& [n, color] : por_frecuencia) agregar(color);
    return paleta;
}

struct CierreGif {
    void operator()(GifFileType* gif) const {
        EGifCloseFile(gif, nullptr);  // giflib takes no error code where none is wanted
    }
};

// giflib would create the file private (0600); it is made as any other file of the user's, with
// the permissions the umask leaves.
GifFileType* abrir(const std::string& archivo) {
    const int fd = ::open(archivo.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    GifFileType* gif = EGifOpenFileHandle(fd, nullptr);
    if (gif == nullptr) ::close(fd);
    return gif;
}

}  // namespace

void escribir_gif(const QImage& imagen, const std::string& archivo,
                  const std::vector<QRgb>& exactos) {
    const QImage rgb = imagen.convertToFormat(QImage::Format_RGB32);
    // Each pixel takes the nearest colour of the palette: its own, where the palette holds it.
    const QImage indexada = rgb.convertToFormat(QImage::Format_Indexed8, paleta_de(rgb, exactos));
    std::vector<GifColorType> colores;
    for (const QRgb c : indexada.colorTable()) {
        colores.push_back({static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                           static_cast<GifByteType>(qBlue(c))});
    }
    colores.resize(colores_gif);  // a GIF's table has a power of 2 entries; the rest are black
    const auto fallo = [&] { return ErrorCalculo::de_acceso(archivo); };
    std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)> mapa(
        GifMakeMapObject(colores_gif, colores.data()), &GifFreeMapObject);
    std::unique_ptr<GifFileType, CierreGif> gif(abrir(archivo));
    if (!gif || !mapa) throw fallo();
    const int ancho = indexada.width();
    if (EGifPutScreenDesc(gif.get(), ancho, indexada.height(), 8, 0, mapa.get()) == GIF_ERROR ||
        EGifPutImageDesc(gif.get(), 0, 0, ancho, indexada.height(), false, nullptr) == GIF_ERROR) {
        throw fallo();
    }
    for (int y = 0; y < indexada.height(); ++y) {
        auto* linea = const_cast<GifPixelType*>(indexada.constScanLine(y));  // giflib only reads
        if (EGifPutLine(gif.get(), linea, ancho) == GIF_ERROR) throw fallo();
    }
    if (EGifCloseFile(gif.release(), nullptr) == GIF_ERROR) throw fallo();
}

}  // namespace abat
