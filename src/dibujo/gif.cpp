#include "dibujo/gif.h"

#include <gif_lib.h>

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "archivos/escritura_entera.h"
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
        // A chart is mostly runs of one colour: counted a run at a time.
        for (int x = 0, fin = 0; x < imagen.width(); x = fin) {
            for (fin = x + 1; fin < imagen.width() && fila[fin] == fila[x];) ++fin;
            frecuencia[fila[x]] += fin - x;
        }
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

// giflib writes into memory; the file is written from there, whole and checked.
int a_memoria(GifFileType* gif, const GifByteType* datos, int n) {
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(datos), static_cast<size_t>(n));
    return n;
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
    std::string bytes;
    std::unique_ptr<GifFileType, CierreGif> gif(EGifOpen(&bytes, a_memoria, nullptr));
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
    escribir_entero(archivo, bytes);
}

}  // namespace abat
