#include "gif.h"

#include <fcntl.h>
#include <gif_lib.h>
#include <unistd.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <stdexcept>
#include <unordered_map>

#include "errores.h"

namespace abat {
namespace {

constexpr size_t colores_gif = 256;

struct Paleta {
    std::vector<QRgb> colores;
    std::unordered_map<QRgb, GifByteType> indice;  // of every colour in the picture
};

int distancia(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

Paleta paleta_de(const QImage& imagen, const std::vector<QRgb>& exactos) {
    std::unordered_map<QRgb, int> frecuencia;
    for (int y = 0; y < imagen.height(); ++y) {
        const auto* fila = reinterpret_cast<const QRgb*>(imagen.constScanLine(y));
        for (int x = 0; x < imagen.width(); ++x) ++frecuencia[fila[x] | 0xFF000000U];
    }
    Paleta p;
    for (QRgb c : exactos) {
        c |= 0xFF000000U;
        // Only colours the picture holds: a reserved colour it lacks would draw in edge pixels.
        if (frecuencia.contains(c) && p.colores.size() < colores_gif &&
            std::find(p.colores.begin(), p.colores.end(), c) == p.colores.end()) {
            p.colores.push_back(c);
        }
    }
    std::vector<std::pair<int, QRgb>> por_frecuencia;
    por_frecuencia.reserve(frecuencia.size());
    for (const auto& [color, n] : frecuencia) por_frecuencia.emplace_back(n, color);
    std::sort(por_frecuencia.begin(), por_frecuencia.end(), std::greater<>());
    for (const auto& [n, color] : por_frecuencia) {
        if (p.colores.size() == colores_gif) break;
        if (std::find(p.colores.begin(), p.colores.end(), color) == p.colores.end()) {
            p.colores.push_back(color);
        }
    }
    for (const auto& [color, n] : frecuencia) {
        size_t mejor = 0;
        int menor = std::numeric_limits<int>::max();
        for (size_t i = 0; i < p.colores.size() && menor > 0; ++i) {
            const int d = distancia(color, p.colores[i]);
            if (d < menor) {
                menor = d;
                mejor = i;
            }
        }
        p.indice[color] = static_cast<GifByteType>(mejor);
    }
    p.colores.resize(colores_gif, qRgb(0, 0, 0));
    return p;
}

struct CierreGif {
    void operator()(GifFileType* gif) const {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

// giflib would create the file private (0600); it is made as any other file of the user's, with
// the permissions the umask leaves.
GifFileType* abrir(const std::string& archivo) {
    const int fd = ::open(archivo.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    int error = 0;
    GifFileType* gif = EGifOpenFileHandle(fd, &error);
    if (gif == nullptr) ::close(fd);
    return gif;
}

}  // namespace

void escribir_gif(const QImage& imagen, const std::string& archivo,
                  const std::vector<QRgb>& exactos) {
    const QImage rgb = imagen.convertToFormat(QImage::Format_RGB32);
    const Paleta paleta = paleta_de(rgb, exactos);
    const auto fallo = [&] { return ErrorCalculo::de_acceso(archivo); };

    std::vector<GifColorType> colores;
    for (QRgb c : paleta.colores) {
        colores.push_back({static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                           static_cast<GifByteType>(qBlue(c))});
    }
    std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)> mapa(
        GifMakeMapObject(static_cast<int>(colores.size()), colores.data()), &GifFreeMapObject);
    std::unique_ptr<GifFileType, CierreGif> gif(abrir(archivo));
    if (!gif || !mapa) throw fallo();
    if (EGifPutScreenDesc(gif.get(), rgb.width(), rgb.height(), 8, 0, mapa.get()) == GIF_ERROR ||
        EGifPutImageDesc(gif.get(), 0, 0, rgb.width(), rgb.height(), false, nullptr) == GIF_ERROR) {
        throw fallo();
    }
    std::vector<GifPixelType> linea(static_cast<size_t>(rgb.width()));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* fila = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            linea[static_cast<size_t>(x)] = paleta.indice.at(fila[x] | 0xFF000000U);
        if (EGifPutLine(gif.get(), linea.data(), rgb.width()) == GIF_ERROR) throw fallo();
    }
    int cierre = 0;
    if (EGifCloseFile(gif.release(), &cierre) == GIF_ERROR) throw fallo();
}

}  // namespace abat
