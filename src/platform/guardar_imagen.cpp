#include "guardar_imagen.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>
#include <QSvgGenerator>

#include "errores.h"

namespace abat {
namespace {

const QStringList extensiones = {QStringLiteral("png"), QStringLiteral("svg"),
                                 QStringLiteral("pdf")};
constexpr int densidad_png = 2;  // pixels of the file to one on screen
constexpr double puntos_por_pixel = 72.0 / 96.0;

QString extension(const QString& ruta) {
    return QFileInfo(ruta).suffix().toLower();
}

bool escribir_png(QSaveFile& archivo, QSize tamano, const Pintor& pintar) {
    return imagen_de(pintar, tamano, densidad_png).save(&archivo, "PNG");
}

bool escribir_svg(QSaveFile& archivo, QSize tamano, const Pintor& pintar) {
    QSvgGenerator svg;
    svg.setOutputDevice(&archivo);
    svg.setSize(tamano);
    svg.setViewBox(QRect(QPoint(0, 0), tamano));
    svg.setTitle(QStringLiteral("Abatimientos"));
    QPainter pintor;
    if (!pintor.begin(&svg)) return false;
    pintar(pintor, tamano);
    return pintor.end();
}

// One page the size of the chart, a pixel of the screen to 1/96 inch.
bool escribir_pdf(QSaveFile& archivo, QSize tamano, const Pintor& pintar) {
    QPdfWriter pdf(&archivo);
    pdf.setResolution(96);
    pdf.setPageSize(QPageSize(QSizeF(tamano) * puntos_por_pixel, QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(QStringLiteral("Abatimientos"));
    QPainter pintor;
    if (!pintor.begin(&pdf)) return false;
    pintar(pintor, tamano);
    return pintor.end();
}

}  // namespace

QString filtros_imagen() {
    return QStringLiteral(
        "Imagen PNG (*.png);;Dibujo vectorial SVG (*.svg);;Documento PDF (*.pdf)");
}

QString con_extension(const QString& ruta, const QString& filtro) {
    if (extensiones.contains(extension(ruta))) return ruta;
    for (const QString& e : extensiones) {
        if (filtro.contains(QStringLiteral("*.") + e)) return ruta + QLatin1Char('.') + e;
    }
    return ruta + QStringLiteral(".png");
}

void guardar_imagen(const QString& ruta, QSize tamano, const Pintor& pintar) {
    QSaveFile archivo(ruta);
    const QString tipo = extension(ruta);
    bool escrito = archivo.open(QIODevice::WriteOnly);
    if (escrito && tipo == QLatin1String("svg")) {
        escrito = escribir_svg(archivo, tamano, pintar);
    } else if (escrito && tipo == QLatin1String("pdf")) {
        escrito = escribir_pdf(archivo, tamano, pintar);
    } else if (escrito) {
        escrito = escribir_png(archivo, tamano, pintar);
    }
    // A device that failed part-way leaves the file as it was, and no temporary file.
    if (!escrito || archivo.error() != QFileDevice::NoError || !archivo.commit()) {
        archivo.cancelWriting();
        throw ErrorCalculo::de_acceso(ruta.toStdString());
    }
}

}  // namespace abat
