#include "informe/escribir_informe.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocumentWriter>
#include <vector>

#include "archivos/escritura_entera.h"
#include "informe/documento_informe.h"
#include "model/errores.h"

namespace abat {

namespace {

constexpr int resolucion = 96;  // as the charts are laid out: their letters keep their size
constexpr double mm = resolucion / 25.4;
constexpr double margen_lado = 20 * mm;
constexpr double margen_arriba = 25 * mm;  // the header's line sits in it
constexpr double margen_abajo = 20 * mm;   // and the page's number in this one
constexpr double letra_margen = 8;         // points

QPageLayout pagina(bool apaisada) {
    return {QPageSize(QPageSize::A4), apaisada ? QPageLayout::Landscape : QPageLayout::Portrait,
            QMarginsF()};
}

QSizeF hoja(bool apaisada) {
    return pagina(apaisada).fullRectPixels(resolucion).size();
}

const QMarginsF margenes(margen_lado, margen_arriba, margen_lado, margen_abajo);

double ancho_texto() {
    return hoja(false).width() - margenes.left() - margenes.right();
}

void pintar_margenes(QPainter& pintor, QSizeF h, const QString& cabecera, int pagina, int total) {
    pintor.save();
    QFont f;
    f.setPointSizeF(letra_margen);
    pintor.setFont(f);
    pintor.setPen(QColor(90, 90, 90));
    const double ancho = h.width() - 2 * margen_lado;
    const QRectF arriba(margen_lado, margen_arriba * 0.45, ancho, margen_arriba * 0.35);
    pintor.drawText(arriba, Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine, cabecera);
    pintor.drawLine(QPointF(margen_lado, arriba.bottom() + 2),
                    QPointF(margen_lado + ancho, arriba.bottom() + 2));
    const QRectF abajo(margen_lado, h.height() - margen_abajo * 0.7, ancho, margen_abajo * 0.4);
    pintor.drawText(abajo, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                    QStringLiteral("Página %1 de %2").arg(pagina).arg(total));
    pintor.restore();
}

// Paints every page on `dispositivo`, which starts with the first run's page and no margins.
bool pintar_paginas(QPagedPaintDevice& dispositivo, const ContenidoInforme& contenido) {
    std::vector<DocumentoTramo> tramos;
    int total = 0;
    for (const TramoInforme& t : contenido.tramos) {
        tramos.emplace_back(t, hoja(t.apaisado), margenes);
        total += tramos.back().paginas();
    }
    QPainter pintor;
    if (!pintor.begin(&dispositivo)) return false;
    int numero = 0;
    for (size_t k = 0; k < tramos.size(); ++k) {
        const bool apaisado = contenido.tramos[k].apaisado;
        for (int p = 0; p < tramos[k].paginas(); ++p) {
            if (numero > 0) {
                dispositivo.setPageLayout(pagina(apaisado));
                if (!dispositivo.newPage()) return false;
            }
            ++numero;
            pintar_margenes(pintor, hoja(apaisado), contenido.cabecera, numero, total);
            tramos[k].pintarPagina(pintor, p);
        }
    }
    return pintor.end();
}

bool escribir_pdf(QIODevice& archivo, const ContenidoInforme& contenido) {
    QPdfWriter pdf(&archivo);
    pdf.setResolution(resolucion);
    pdf.setTitle(contenido.titulo);
    pdf.setCreator(QStringLiteral("abatimientos"));
    pdf.setPageLayout(pagina(!contenido.tramos.empty() && contenido.tramos.front().apaisado));
    return pintar_paginas(pdf, contenido);
}

bool escribir_odt(QIODevice& archivo, const ContenidoInforme& contenido) {
    const auto documento = documento_editable(contenido, ancho_texto());
    documento->setMetaInformation(QTextDocument::DocumentTitle, contenido.titulo);
    QTextDocumentWriter escritor(&archivo, "odf");
    return escritor.write(documento.get());
}

}  // namespace

void escribir_informe(const QString& ruta, const ContenidoInforme& contenido) {
    // Made whole in memory, then written unbuffered and checked to the disk.
    QByteArray bytes;
    QBuffer archivo(&bytes);
    archivo.open(QIODevice::WriteOnly);
    const bool odt =
        QFileInfo(ruta).suffix().compare(QLatin1String("odt"), Qt::CaseInsensitive) == 0;
    if (!(odt ? escribir_odt(archivo, contenido) : escribir_pdf(archivo, contenido))) {
        throw ErrorCalculo::de_acceso(ruta.toStdString());
    }
    escribir_entero(ruta.toStdString(),
                    std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

bool imprimir_informe(QPrinter& impresora, const ContenidoInforme& contenido) {
    impresora.setResolution(resolucion);
    impresora.setFullPage(true);
    impresora.setDocName(contenido.titulo);
    impresora.setPageLayout(pagina(!contenido.tramos.empty() && contenido.tramos.front().apaisado));
    return pintar_paginas(impresora, contenido);
}

}  // namespace abat
