#pragma once
// The context menu of a table (right click, the Menu key, Shift+F10): "Copiar" and
// "Seleccionar todo", and "Pegar" on the tables that take records.

#include <QPixmap>
#include <QString>
#include <functional>

class QAction;
class QLabel;

namespace abat {

class FlexGrid;
class Grid;

// Puts the selected cells, or every record when no more than one cell is selected, on the
// clipboard as tab-separated text and as an HTML table, the header row first.
void copiar_tabla(const Grid& tabla);
// Selects every record's cells.
void seleccionar_todo(Grid& tabla);

struct AccionesTabla {
    QAction* copiar;
    QAction* seleccionarTodo;
    QAction* pegar;  // null on a table without the paste command
};

// `pegar` receives the clipboard's text; without it the menu has no "Pegar". The actions carry
// no keys: on the input tables Ctrl+letter opens the cell editor.
AccionesTabla menu_de_tabla(FlexGrid* grid, std::function<void(const QString&)> pegar = {});

// "Copiar imagen" on the chart: the picture on the clipboard.
QAction* menu_de_imagen(QLabel* imagen, const std::function<QPixmap()>& dibujo);

}  // namespace abat
