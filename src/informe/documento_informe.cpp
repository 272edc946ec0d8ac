#include "informe/documento_informe.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTextObjectInterface>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <array>
#include <functional>

namespace abat {

namespace {

constexpr int tipo_figura = QTextFormat::UserObject + 1;
constexpr int propiedad_figura = QTextFormat::UserProperty + 1;
constexpr double puntos_texto = 10;
constexpr double puntos_tabla = 8.5;
constexpr double densidad_imagen = 2;  // pixels of an OpenDocument picture to one of the screen

QFont letra(double puntos, bool negrita = false) {
    QFont f;
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}

// Where a figure goes on a page whose body is `cuerpo`: its proportions kept, never taller than
// most of the page, so its caption fits below it.
QSizeF en_pagina(const FiguraInforme& f, QSizeF cuerpo) {
    const double proporcion = f.tamano.height() / std::max(f.tamano.width(), 1.0);
    double ancho = cuerpo.width() * std::clamp(f.ancho, 0.1, 1.0);
    const double alto_maximo = cuerpo.height() * 0.85;
    if (ancho * proporcion > alto_maximo) ancho = alto_maximo / proporcion;
    return {ancho, ancho * proporcion};
}

void pintar_figura(QPainter& pintor, const FiguraInforme& f, const QRectF& donde) {
    pintor.save();
    pintor.translate(donde.topLeft());
    pintor.scale(donde.width() / f.tamano.width(), donde.height() / f.tamano.height());
    pintor.setClipRect(QRectF(QPointF(0, 0), f.tamano), Qt::IntersectClip);
    f.pintar(pintor, f.tamano);
    pintor.restore();
}

using PonerFigura = std::function<void(QTextCursor&, const FiguraInforme&)>;

// A new paragraph; the document's first, empty one is taken rather than left blank above.
void nuevo_bloque(QTextCursor& c, const QTextBlockFormat& bloque,
                  const QTextCharFormat& letras = {}) {
    if (c.document()->characterCount() <= 1) {
        c.setBlockFormat(bloque);
        c.setBlockCharFormat(letras);
    } else {
        c.insertBlock(bloque, letras);
    }
}

void escribir_encabezado(QTextCursor& c, const TituloInforme& e) {
    QTextBlockFormat bloque;
    bloque.setTopMargin(e.nivel == 0 ? 0 : 14 - 3 * e.nivel);
    bloque.setBottomMargin(6);
    bloque.setHeadingLevel(e.nivel + 1);
    bloque.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
    QTextCharFormat letras;
    constexpr std::array<double, 4> puntos = {18, 14, 11.5, puntos_texto};
    letras.setFont(letra(puntos[static_cast<size_t>(std::clamp(e.nivel, 0, 3))], true));
    nuevo_bloque(c, bloque, letras);
    c.insertText(e.texto, letras);
}

void escribir_parrafo(QTextCursor& c, const Parrafo& p) {
    QTextBlockFormat bloque;
    bloque.setBottomMargin(4);
    QTextCharFormat letras;
    letras.setFont(letra(p.nota ? puntos_tabla : puntos_texto));
    if (p.nota) letras.setForeground(QColor(80, 80, 80));
    nuevo_bloque(c, bloque, letras);
    c.insertText(p.texto, letras);
}

void escribir_celda(QTextTable& tabla, int fila, int columna, const QString& texto,
                    const QTextCharFormat& letras) {
    QTextCursor celda = tabla.cellAt(fila, columna).firstCursorPosition();
    celda.insertText(texto, letras);
}

void escribir_tabla(QTextCursor& c, const TablaInforme& t) {
    if (t.cabecera.empty()) return;
    const int columnas = static_cast<int>(t.cabecera.size());
    QTextTableFormat formato;
    formato.setHeaderRowCount(1);  // repeated on each page the table spans
    formato.setCellPadding(2);
    formato.setCellSpacing(0);
    formato.setBorder(0.75);
    formato.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    formato.setBorderCollapse(true);
    formato.setBorderBrush(QColor(120, 120, 120));
    formato.setTopMargin(4);
    formato.setBottomMargin(8);
    QTextTable* tabla = c.insertTable(static_cast<int>(t.filas.size()) + 1, columnas, formato);
    QTextCharFormat cabecera;
    cabecera.setFont(letra(puntos_tabla, true));
    QTextCharFormat normal;
    normal.setFont(letra(puntos_tabla));
    QTextCharFormat gris = normal;
    gris.setForeground(QColor(140, 140, 140));
    for (int k = 0; k < columnas; ++k) {
        tabla->cellAt(0, k).setFormat([] {
            QTextCharFormat fondo;
            fondo.setBackground(QColor(230, 230, 230));
            return fondo;
        }());
        escribir_celda(*tabla, 0, k, t.cabecera[static_cast<size_t>(k)], cabecera);
    }
    for (size_t f = 0; f < t.filas.size(); ++f) {
        const bool atenuada = f < t.atenuadas.size() && t.atenuadas[f];
        const auto& fila = t.filas[f];
        for (int k = 0; k < columnas && static_cast<size_t>(k) < fila.size(); ++k) {
            escribir_celda(*tabla, static_cast<int>(f) + 1, k, fila[static_cast<size_t>(k)],
                           atenuada ? gris : normal);
        }
    }
    c.movePosition(QTextCursor::End);
}

void escribir_figura(QTextCursor& c, const FiguraInforme& f, const PonerFigura& poner) {
    QTextBlockFormat bloque;
    bloque.setAlignment(Qt::AlignHCenter);
    bloque.setTopMargin(6);
    nuevo_bloque(c, bloque);
    poner(c, f);
    if (!f.pie.isEmpty()) escribir_parrafo(c, Parrafo{f.pie, true});
}

void escribir_bloques(QTextCursor& c, const TramoInforme& tramo, const PonerFigura& poner) {
    for (const BloqueInforme& b : tramo.bloques) {
        if (const auto* e = std::get_if<TituloInforme>(&b)) escribir_encabezado(c, *e);
        if (const auto* p = std::get_if<Parrafo>(&b)) escribir_parrafo(c, *p);
        if (const auto* t = std::get_if<TablaInforme>(&b)) escribir_tabla(c, *t);
        if (const auto* f = std::get_if<FiguraInforme>(&b)) escribir_figura(c, *f, poner);
    }
}

// Where a block's first line begins, down the laid-out document; a table's cell's, its table's.
double comienzo(const QTextDocument& d, const QTextBlock& b) {
    QAbstractTextDocumentLayout* l = d.documentLayout();
    if (QTextTable* tabla = QTextCursor(b).currentTable()) return l->frameBoundingRect(tabla).top();
    const double linea = b.layout()->lineCount() > 0 ? b.layout()->lineAt(0).y() : 0;
    return l->blockBoundingRect(b).top() + linea;
}

// Headings kept with what follows them: a heading that ends a page while its text, table or
// figure begins the next one starts that page instead.
void titulos_con_lo_siguiente(QTextDocument& d) {
    const double alto = d.pageSize().height();
    bool movido = true;
    while (movido) {
        movido = false;
        d.pageCount();  // laid out anew
        for (QTextBlock b = d.begin(); b.isValid() && b.next().isValid(); b = b.next()) {
            QTextBlockFormat f = b.blockFormat();
            if (f.headingLevel() == 0 || f.pageBreakPolicy() == QTextFormat::PageBreak_AlwaysBefore)
                continue;
            const int pagina = static_cast<int>(comienzo(d, b) / alto);
            if (static_cast<int>(comienzo(d, b.next()) / alto) == pagina) continue;
            f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(b).setBlockFormat(f);
            movido = true;
            break;
        }
    }
}

std::unique_ptr<QTextDocument> documento_vacio() {
    auto d = std::make_unique<QTextDocument>();
    d->setDefaultFont(letra(puntos_texto));
    d->setDocumentMargin(0);
    return d;
}

}  // namespace

// The figures of a run, painted by their painters wherever the layout puts them.
class FigurasVectoriales : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
  public:
    explicit FigurasVectoriales(QSizeF cuerpo) : cuerpo_(cuerpo) {}

    int agregar(const FiguraInforme& f) {
        figuras_.push_back(&f);
        return static_cast<int>(figuras_.size()) - 1;
    }
    QSizeF intrinsicSize(QTextDocument* /*doc*/, int /*posInDocument*/,
                         const QTextFormat& formato) override {
        return en_pagina(figura(formato), cuerpo_);
    }
    void drawObject(QPainter* pintor, const QRectF& donde, QTextDocument* /*doc*/,
                    int /*posInDocument*/, const QTextFormat& formato) override {
        pintar_figura(*pintor, figura(formato), donde);
    }

  private:
    const FiguraInforme& figura(const QTextFormat& formato) const {
        return *figuras_.at(static_cast<size_t>(formato.intProperty(propiedad_figura)));
    }

    QSizeF cuerpo_;
    std::vector<const FiguraInforme*> figuras_;  // the run's, which outlives the document
};

DocumentoTramo::DocumentoTramo(const TramoInforme& tramo, QSizeF hoja, QMarginsF margenes)
    : figuras_(std::make_unique<FigurasVectoriales>(
          QSizeF(hoja.width() - margenes.left() - margenes.right(),
                 hoja.height() - margenes.top() - margenes.bottom()))),
      documento_(documento_vacio()),
      hoja_(hoja) {
    // The whole sheet a page, the margins the root frame's, which the layout keeps on each page:
    // nothing of one page is drawn within another's.
    documento_->setPageSize(hoja);
    QTextFrameFormat marco = documento_->rootFrame()->frameFormat();
    marco.setLeftMargin(margenes.left());
    marco.setRightMargin(margenes.right());
    marco.setTopMargin(margenes.top());
    marco.setBottomMargin(margenes.bottom());
    documento_->rootFrame()->setFrameFormat(marco);
    documento_->documentLayout()->registerHandler(tipo_figura, figuras_.get());
    QTextCursor c(documento_.get());
    escribir_bloques(c, tramo, [this](QTextCursor& cursor, const FiguraInforme& f) {
        QTextCharFormat objeto;
        objeto.setObjectType(tipo_figura);
        objeto.setProperty(propiedad_figura, figuras_->agregar(f));
        cursor.insertText(QString(QChar::ObjectReplacementCharacter), objeto);
    });
    titulos_con_lo_siguiente(*documento_);
}

DocumentoTramo::~DocumentoTramo() = default;
DocumentoTramo::DocumentoTramo(DocumentoTramo&&) noexcept = default;
DocumentoTramo& DocumentoTramo::operator=(DocumentoTramo&&) noexcept = default;

int DocumentoTramo::paginas() const {
    return std::max(1, documento_->pageCount());
}

void DocumentoTramo::pintarPagina(QPainter& pintor, int pagina) const {
    pintor.save();
    const QRectF visible(0, pagina * hoja_.height(), hoja_.width(), hoja_.height());
    pintor.translate(0, -visible.top());
    pintor.setClipRect(visible);
    QAbstractTextDocumentLayout::PaintContext contexto;
    contexto.clip = visible;
    documento_->documentLayout()->draw(&pintor, contexto);
    pintor.restore();
}

std::unique_ptr<QTextDocument> documento_editable(const ContenidoInforme& contenido, double ancho) {
    auto d = documento_vacio();
    QTextCursor c(d.get());
    int n = 0;
    const QSizeF cuerpo(ancho, ancho * 1.4);
    for (const TramoInforme& tramo : contenido.tramos) {
        if (&tramo != &contenido.tramos.front()) {
            QTextBlockFormat salto;
            salto.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            c.insertBlock(salto);
        }
        escribir_bloques(c, tramo, [&](QTextCursor& cursor, const FiguraInforme& f) {
            const QSizeF medida = en_pagina(f, cuerpo);
            const QString nombre = QStringLiteral("figura%1.png").arg(++n);
            d->addResource(QTextDocument::ImageResource, QUrl(nombre),
                           imagen_de(f.pintar, f.tamano.toSize(), densidad_imagen));
            QTextImageFormat imagen;
            imagen.setName(nombre);
            imagen.setWidth(medida.width());
            imagen.setHeight(medida.height());
            cursor.insertImage(imagen);
        });
    }
    return d;
}

}  // namespace abat

#include "documento_informe.moc"
