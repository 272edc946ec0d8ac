#include "dibujo/guardar_imagen.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "archivos/escritura_entera.h"
#include "model/errores.h"

namespace abat {
namespace {

constexpr int densidad_mapa_de_bits = 2;  // pixels of the file to one on screen
constexpr double puntos_por_pixel = 72.0 / 96.0;

QString extension(const QString& ruta) {
    return QFileInfo(ruta).suffix().toLower();
}

bool vectorial(const QString& tipo) {
    return tipo == QLatin1String("svg") || tipo == QLatin1String("pdf");
}

bool se_escribe(const QString& tipo) {
    return vectorial(tipo) || QImageWriter::supportedImageFormats().contains(tipo.toLatin1());
}

bool escribir_mapa_de_bits(QIODevice& archivo, QSize tamano, const Pintor& pintar,
                           const QString& tipo) {
    const QImage imagen = imagen_de(pintar, tamano, densidad_mapa_de_bits);
    return imagen.save(&archivo, tipo.toUpper().toLatin1().constData());
}

bool escribir_svg(QIODevice& archivo, QSize tamano, const Pintor& pintar, const QString& titulo) {
    QSvgGenerator svg;
    svg.setOutputDevice(&archivo);
    svg.setSize(tamano);
    svg.setViewBox(QRect(QPoint(0, 0), tamano));
    svg.setTitle(titulo);
    QPainter pintor;
    if (!pintor.begin(&svg)) return false;
    pintar(pintor, tamano);
    return pintor.end();
}

// One page the size of the chart, a pixel of the screen to 1/96 inch.
bool escribir_pdf(QIODevice& archivo, QSize tamano, const Pintor& pintar, const QString& titulo) {
    QPdfWriter pdf(&archivo);
    pdf.setResolution(96);
    pdf.setPageSize(QPageSize(QSizeF(tamano) * puntos_por_pixel, QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(titulo);
    QPainter pintor;
    if (!pintor.begin(&pdf)) return false;
    pintar(pintor, tamano);
    return pintor.end();
}

bool escribir(QIODevice& archivo, const QString& tipo, QSize tamano, const Pintor& pintar,
              const QString& titulo) {
    if (tipo == QLatin1String("svg")) return escribir_svg(archivo, tamano, pintar, titulo);
    if (tipo == QLatin1String("pdf")) return escribir_pdf(archivo, tamano, pintar, titulo);
    return escribir_mapa_de_bits(archivo, tamano, pintar, tipo);
}

}  // namespace

QString filtros_imagen() {
    return QStringLiteral(
        "Imagen PNG (*.png);;Dibujo vectorial SVG (*.svg);;Documento PDF (*.pdf);;"
        "Otras imágenes (*.jpg *.jpeg *.bmp *.tif *.tiff *.webp)");
}

QString con_extension(const QString& ruta, const QString& filtro) {
    if (se_escribe(extension(ruta))) return ruta;
    for (const QString& e : {QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("pdf")}) {
        if (filtro.contains(QStringLiteral("*.") + e)) return ruta + QLatin1Char('.') + e;
    }
    return ruta + QStringLiteral(".png");
}

QString nombre_de_archivo(const QString& titulo, const QString& extension) {
    QString nombre = titulo;
    for (const QChar c : {QChar('/'), QChar('\\'), QChar(':'), QChar('\0')}) {
        nombre.replace(c, QLatin1Char('-'));
    }
    return nombre.trimmed() + QLatin1Char('.') + extension;
}

void guardar_imagen(const QString& ruta, QSize tamano, const Pintor& pintar,
                    const QString& titulo) {
    // Drawn whole in memory, then written unbuffered and checked to the disk.
    QByteArray bytes;
    QBuffer archivo(&bytes);
    archivo.open(QIODevice::WriteOnly);
    if (!escribir(archivo, extension(ruta), tamano, pintar, titulo)) {
        throw ErrorCalculo::de_acceso(ruta.toStdString());
    }
    escribir_entero(ruta.toStdString(),
                    std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace abat
