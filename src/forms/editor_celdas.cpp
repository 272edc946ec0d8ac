#include "forms/editor_celdas.h"

#include "adaptadores/texto_qt.h"

#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>

#include "adaptadores/flex_grid.h"
#include "adaptadores/teclado.h"
#include "forms/filtro_caracteres.h"
#include "model/columnas.h"
#include "model/numeros.h"

namespace abat {
namespace {
constexpr int enter = 13;
constexpr int escape = 27;
constexpr int ultimo_control = 31;
}  // namespace

std::string ReglasCeldas::punto_fuera_del_nombre(int columna, std::string texto) {
    // Numbers are read with '.' only: a comma typed for it would read as an integer.
    if (columna != columna_nombre) texto = con_punto_decimal(std::move(texto));
    return texto;
}

EditorCeldas::EditorCeldas(FlexGrid* grid, QLineEdit* txtCellEditor, ReglasCeldas reglas)
    : QObject(grid), grid_(grid), caja_(txtCellEditor), reglas_(std::move(reglas)) {
    if (!reglas_.opciones.isEmpty()) {
        // Completed in the box as it is typed, as a spreadsheet completes a column's entries.
        opciones_ = new QCompleter(reglas_.opciones, this);
        opciones_->setCaseSensitivity(Qt::CaseInsensitive);
        opciones_->setCompletionMode(QCompleter::InlineCompletion);
    }
    caja_->hide();
    caja_->installEventFilter(this);
    grid_->installEventFilter(this);
    caja_->setValidator(new SoloTecleable(cabe_en_celda, caja_));  // a paste makes no second row
    connect(grid_, &FlexGrid::DblClick, this, &EditorCeldas::MSFlexGrid1_DblClick);
    connect(grid_, &FlexGrid::KeyPress, this, &EditorCeldas::MSFlexGrid1_KeyPress);
}

bool EditorCeldas::bloqueado() const {
    const Grid& g = grid_->grid();
    return g.RowSel() == g.Rows() - 1 || (reglas_.fija && reglas_.fija(g.Row(), g.Col()));
}

void EditorCeldas::MSFlexGrid1_DblClick() {
    if (!bloqueado()) ShowCellEditor();
}

// A typed character replaces the cell's text, the caret after it; control codes open the box on
// the text as it is.
void EditorCeldas::MSFlexGrid1_KeyPress(int codigo, const QString& texto) {
    if (bloqueado()) return;
    ShowCellEditor();
    if (codigo > ultimo_control) {
        caja_->setText(texto.isEmpty() ? QString(QChar(static_cast<char16_t>(codigo))) : texto);
        caja_->setCursorPosition(static_cast<int>(caja_->text().size()));
        if (caja_->completer() != nullptr) {  // the first letter completed as the next ones are
            caja_->completer()->setCompletionPrefix(caja_->text());
            caja_->completer()->complete();
        }
    }
}

void EditorCeldas::ShowCellEditor() {
    Grid& g = grid_->grid();
    g.setRowSel(g.Row());
    g.setColSel(g.Col());
    const QPoint celda =
        grid_->mapTo(caja_->parentWidget(), QPoint(grid_->CellLeft(), grid_->CellTop()));
    constexpr int pixel = 1;  // the box stays inside the cell's grid lines
    caja_->setGeometry(celda.x(), celda.y(), grid_->CellWidth() - pixel,
                       grid_->CellHeight() - pixel);
    caja_->setText(a_qstring(g.Text()));
    caja_->setCompleter(g.Col() == reglas_.columnaOpciones ? opciones_ : nullptr);
    caja_->show();
    caja_->raise();
    caja_->setFocus(Qt::OtherFocusReason);
    editRow_ = g.Row();
    editCol_ = g.Col();
}

// The visibility test comes first: after Enter or Escape the box loses the focus, and that must
// not store the text a second time, nor store it after Escape.
void EditorCeldas::HideCellEditor(bool cancel) {
    if (!caja_->isVisible()) return;
    // A cell that has gone meanwhile (its row removed under the open box) takes nothing.
    Grid& g = grid_->grid();
    if (!cancel && editRow_ < g.Rows() && editCol_ < g.Cols()) {
        g.setTextMatrix(editRow_, editCol_, textoParaCelda());
    }
    caja_->hide();
}

std::string EditorCeldas::textoParaCelda() const {
    return reglas_.guardar(editCol_, caja_->text().toStdString());
}

std::optional<CeldaAbierta> EditorCeldas::abierta() const {
    if (!caja_->isVisible()) return std::nullopt;
    return CeldaAbierta{editRow_, editCol_, textoParaCelda()};
}

// The keys go back to the table, whatever the box's place in the window's focus order.
void EditorCeldas::txtCellEditor_KeyPress(int codigo) {
    if (codigo != enter && codigo != escape) return;
    HideCellEditor(codigo == escape);
    grid_->setFocus(Qt::OtherFocusReason);
}

void EditorCeldas::txtCellEditor_LostFocus() {
    HideCellEditor(false);
}

bool EditorCeldas::eventFilter(QObject* watched, QEvent* event) {
    // Ctrl+letter on the table opens the cell editor, before any shortcut of the menus.
    if (watched == grid_ && event->type() == QEvent::ShortcutOverride) {
        const auto* tecla = static_cast<QKeyEvent*>(event);
        const auto modificadores = tecla->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
        if (modificadores == Qt::ControlModifier && tecla->key() >= Qt::Key_A &&
            tecla->key() <= Qt::Key_Z) {
            event->accept();
            return true;
        }
    }
    if (watched == caja_ && event->type() == QEvent::KeyPress) {
        const auto codigo = caracter_tecleado(static_cast<QKeyEvent*>(event));
        if (codigo && (*codigo == enter || *codigo == escape)) {
            txtCellEditor_KeyPress(*codigo);
            return true;
        }
    }
    // The box's own context menu takes the focus without leaving the box.
    if (watched == caja_ && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        txtCellEditor_LostFocus();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace abat
