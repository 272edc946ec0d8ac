#pragma once
// What the wells and points windows share: their table, the in-cell editor, the add and remove
// commands, the clipboard, and the button that goes on.

#include <QPushButton>

#include "adaptadores/dialogos.h"
#include "forms/comandos_tabla.h"
#include "forms/editor_celdas.h"
#include "forms/modo.h"
#include "forms/ventana_con_tabla.h"

class QGroupBox;
class QLineEdit;

namespace abat {

class FlexGrid;

struct ControlesTabla {
    QGroupBox* marco;  // the frame that holds the grid
    FlexGrid* grid;
    QLineEdit* editor;
    QPushButton* agregar;
    QPushButton* quitar;
    QPushButton* siguiente;
};

class VentanaTabla : public VentanaConTabla {
    Q_OBJECT
  public:
    QPushButton* cmdSiguiente() const { return c_.siguiente; }  // its caption is the mode

    // The window has become the active one: the add button takes the focus.
    void Form_Activate() const;
    // Writes 1, 2, ... into the number column after a removal.
    void actualizar_numeros();
    // Stores the text of an open cell editor, as leaving it does.
    void terminarEdicion();
    // The cell an open editor edits and its text, the editor left open.
    std::optional<CeldaAbierta> celdaAbierta() const;

  signals:
    // The window's input lets the walk go on, in the mode its button's caption gives.
    void aceptado(abat::Modo modo);
    // What the window holds has changed: a cell, a row, a box.
    void editado();
    // "Importar…" of the table's menu: records from a file are asked for.
    void importarPedido();

  public:
    const TextosTabla& textos() const { return textos_; }

  protected:
    VentanaTabla(Dialogos& dialogos, Grid tabla, const TextosTabla& textos, QWidget* parent);
    // Once the window's controls exist: its fonts, the grid over its table, the in-cell editor,
    // the commands and the names that screen readers and automation use. `propias`: the table's
    // own commands, first in its context menu.
    void montar(const ControlesTabla& controles, const QList<QAction*>& propias = {});
    // Whether "Siguiente" may go on; otherwise the window says why.
    virtual bool completa() = 0;

    Dialogos& dialogos_;

  private:
    void cmdSiguiente_Click();
    void cmdAgregar_Click();
    void cmdQuitar_Click();

    const TextosTabla& textos_;
    ControlesTabla c_{};
    EditorCeldas* editor_ = nullptr;
};

}  // namespace abat
