#pragma once
// Editing a table cell in place: a text box laid exactly over the cell, opened by a double click
// or a typed character; Enter or leaving the box stores its text, Escape drops it. In every
// column but the name a decimal comma is stored as the point, so the cell shows what is read.

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

class QCompleter;
class QLineEdit;

namespace abat {

class FlexGrid;

// The cell an open box edits and the text it would store there.
struct CeldaAbierta {
    int fila;
    int columna;
    std::string texto;
};

// What a table's cells take, where it differs from the wells table's.
struct ReglasCeldas {
    // The text a cell of column `columna` stores of what was typed or pasted into it.
    std::function<std::string(int columna, std::string texto)> guardar = punto_fuera_del_nombre;
    // A cell that never opens (the first step's time, which is 0); none when unset.
    std::function<bool(int fila, int columna)> fija;
    // The texts the box offers, completing what is typed, in column `columnaOpciones`.
    int columnaOpciones = -1;
    QStringList opciones;

    // The wells': a decimal comma stored as the point in every column but the name.
    static std::string punto_fuera_del_nombre(int columna, std::string texto);
};

class EditorCeldas : public QObject {
  public:
    // `txtCellEditor` may lie in another container than the grid (the points window's lies on the
    // window, its grid in a frame): the box is placed over the cell in its own container.
    EditorCeldas(FlexGrid* grid, QLineEdit* txtCellEditor, ReglasCeldas reglas = {});

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
    // The selection reaches into the empty last row, or the cell is fixed: nothing opens.
    bool bloqueado() const;
    // The box's text as its cell stores it.
    std::string textoParaCelda() const;

    FlexGrid* grid_;
    QLineEdit* caja_;
    ReglasCeldas reglas_;
    QCompleter* opciones_ = nullptr;  // for the column that offers texts
    int editRow_ = 0;
    int editCol_ = 0;
};

}  // namespace abat
