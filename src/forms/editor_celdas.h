#pragma once
// Editing a table cell in place: a text box laid exactly over the cell, opened by a double click
// or a typed character; Enter or leaving the box stores its text, Escape drops it. In every
// column but the name a decimal comma is stored as the point, so the cell shows what is read.

#include <QObject>
#include <QString>

#include <optional>
#include <string>

class QLineEdit;

namespace abat {

class FlexGrid;

// The cell an open box edits and the text it would store there.
struct CeldaAbierta {
    int fila;
    int columna;
    std::string texto;
};

class EditorCeldas : public QObject {
  public:
    // `txtCellEditor` may lie in another container than the grid (the points window's lies on the
    // window, its grid in a frame): the box is placed over the cell in its own container.
    EditorCeldas(FlexGrid* grid, QLineEdit* txtCellEditor);

    void MSFlexGrid1_DblClick();
    // `texto`: what the key typed, in full; empty means the character of `codigo`.
    void MSFlexGrid1_KeyPress(int codigo, const QString& texto = {});
    void ShowCellEditor();
    void HideCellEditor(bool cancel);
    void txtCellEditor_KeyPress(int codigo);
    void txtCellEditor_LostFocus();

    // The open box's cell and text, the box left open: what a copy of the entries takes.
    std::optional<CeldaAbierta> abierta() const;

    int editRow() const { return editRow_; }
    int editCol() const { return editCol_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The selection reaches into the empty last row: nothing opens.
    bool bloqueado() const;
    // The box's text as its cell stores it.
    std::string textoParaCelda() const;

    FlexGrid* grid_;
    QLineEdit* caja_;
    int editRow_ = 0;
    int editCol_ = 0;
};

}  // namespace abat
