#pragma once
// A table of text cells to lay in any window, as the wells table is: the grid, the cell editor
// laid over it, the keys, and the context menu "Copiar", "Pegar", "Seleccionar todo", whose paste
// appends rows by the wells table's rules. Its Grid is the store of record: a row per record after
// the header, numbered, and the empty row last.

#include <string>
#include <vector>

#include "adaptadores/dialogos.h"
#include "forms/comandos_tabla.h"
#include "forms/editor_celdas.h"
#include "forms/ventana_con_tabla.h"

class QLineEdit;

namespace abat {

class FlexGrid;

// What tells one such table from another.
struct FormaTabla {
    // The columns' headings and widths, "No." first (Grid::setFormatString).
    std::string formato;
    // How the cells take what is typed or pasted.
    ReglasCeldas reglas;
    // A paste's title ("Pegar líneas") and what a row is called ("línea"); the rest unused.
    TextosTabla textos;
    // What a row's first column holds: a name, kept as typed, or a number.
    PrimeraColumna primera = PrimeraColumna::nombre;
};

class TablaCeldas : public VentanaConTabla {
    Q_OBJECT
  public:
    TablaCeldas(FormaTabla forma, Dialogos& dialogos, QWidget* parent);

    FlexGrid* grid() const { return grid_; }
    // Each record's cells from column 1, as they stand; an open cell's text stored first when
    // `cerrar`, or read as it would be stored.
    std::vector<std::vector<std::string>> filas(bool cerrar = true);
    // In place of every record.
    void setFilas(const std::vector<std::vector<std::string>>& filas);
    // A record after the last with these cells from column 1; its cell in `columna` then edited.
    void agregarFila(const std::vector<std::string>& celdas, int columna);
    // Removes record `fila`; the records below move up and are numbered again.
    void quitarFila(int fila);
    // The record of the current cell; 0 when the current cell is on none.
    int filaActual() const;
    // Stores the text of an open cell editor, as leaving it does.
    void terminarEdicion();

  signals:
    // A cell or a row has changed, or a cell's editor is being typed into.
    void editado();

  protected:
    bool eventFilter(QObject* vigilado, QEvent* evento) override;

  private:
    void pegar(const QString& texto);

    FormaTabla forma_;
    Dialogos& dialogos_;
    FlexGrid* grid_;
    QLineEdit* caja_;
    EditorCeldas* editor_;
};

}  // namespace abat
