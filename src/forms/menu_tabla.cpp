#include "forms/menu_tabla.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>

#include "adaptadores/flex_grid.h"
#include "model/filas.h"
#include "model/portapapeles.h"

namespace abat {

QAction* accion(QWidget* dueno, const QString& texto, const char* nombre,
                std::function<void()> hacer) {
    auto* a = new QAction(texto, dueno);
    a->setObjectName(QString::fromLatin1(nombre));
    QObject::connect(a, &QAction::triggered, dueno, std::move(hacer));
    return a;
}

namespace {

// The cells as an HTML table in UTF-8, for word processors: the header row as <th>.
QString como_html(const std::vector<std::vector<std::string>>& filas) {
    QString html = QStringLiteral("<meta charset=\"utf-8\"><table>");
    for (size_t r = 0; r < filas.size(); ++r) {
        const QString marca = r == 0 ? QStringLiteral("th") : QStringLiteral("td");
        html += QStringLiteral("<tr>");
        for (const std::string& celda : filas[r]) {
            html += QStringLiteral("<%1>%2</%1>")
                        .arg(marca, QString::fromStdString(celda).toHtmlEscaped());
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

void abrir_menu(QWidget* w, const QList<QAction*>& acciones, QPoint donde) {
    QMenu menu(w);
    menu.addActions(acciones);
    menu.exec(donde);
}

}  // namespace

void copiar_celdas(const std::vector<std::vector<std::string>>& filas) {
    auto* datos = new QMimeData;
    datos->setText(QString::fromStdString(como_tsv(filas)));
    datos->setHtml(como_html(filas));
    QApplication::clipboard()->setMimeData(datos);
}

void copiar_tabla(const Grid& tabla) {
    copiar_celdas(celdas_a_copiar(tabla, bloque_a_copiar(tabla)));
}

void seleccionar_todo(Grid& tabla) {
    if (tabla.Rows() < 3 || tabla.Cols() <= tabla.FixedCols()) return;
    tabla.selectCell(1, tabla.FixedCols());
    tabla.setRowSel(record_count(tabla));
    tabla.setColSel(tabla.Cols() - 1);
}

AccionesTabla menu_de_tabla(FlexGrid* grid, std::function<void(const QString&)> pegar,
                            const QList<QAction*>& propias, const QList<QAction*>& finales) {
    AccionesTabla a{accion(grid, QStringLiteral("Copiar"), "accionCopiar",
                           [grid] { copiar_tabla(grid->grid()); }),
                    accion(grid, QStringLiteral("Seleccionar todo"), "accionSeleccionarTodo",
                           [grid] { seleccionar_todo(grid->grid()); }),
                    nullptr};
    if (pegar) {
        a.pegar = accion(grid, QStringLiteral("Pegar"), "accionPegar",
                         [pegar = std::move(pegar)] { pegar(QApplication::clipboard()->text()); });
    }
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(grid, &FlexGrid::customContextMenuRequested, grid,
                     [grid, a, propias, finales](QPoint donde) {
                         QList<QAction*> acciones = propias;
                         acciones << a.copiar;
                         if (a.pegar != nullptr) {
                             a.pegar->setEnabled(!QApplication::clipboard()->text().isEmpty());
                             acciones << a.pegar;
                         }
                         acciones << a.seleccionarTodo << finales;
                         abrir_menu(grid, acciones, grid->viewport()->mapToGlobal(donde));
                     });
    return a;
}

AccionesGrafico menu_de_grafico(QWidget* grafico, const std::function<QPixmap()>& dibujo,
                                std::function<void()> guardar) {
    const AccionesGrafico a{accion(grafico, QStringLiteral("Copiar imagen"), "accionCopiarImagen",
                                   [dibujo] { QApplication::clipboard()->setPixmap(dibujo()); }),
                            accion(grafico, QStringLiteral("Guardar imagen…"),
                                   "accionGuardarImagen", std::move(guardar))};
    grafico->setContextMenuPolicy(Qt::CustomContextMenu);
    // Shift+F10 opens it from the keyboard too, as the Menu key does, at the chart's centre.
    auto* teclado = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), grafico);
    teclado->setContext(Qt::WidgetShortcut);
    QObject::connect(teclado, &QShortcut::activated, grafico, [grafico] {
        emit grafico->customContextMenuRequested(grafico->rect().center());
    });
    QObject::connect(
        grafico, &QWidget::customContextMenuRequested, grafico, [grafico, a, dibujo](QPoint donde) {
            const bool hay = !dibujo().isNull();
            a.copiarImagen->setEnabled(hay);
            a.guardarImagen->setEnabled(hay);
            abrir_menu(grafico,
                       grafico->actions() + QList<QAction*>{a.copiarImagen, a.guardarImagen},
                       grafico->mapToGlobal(donde));
        });
    return a;
}

}  // namespace abat
