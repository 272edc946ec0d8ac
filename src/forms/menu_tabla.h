#pragma once
// The context menus of tables and charts (right click, the Menu key, Shift+F10): "Copiar" and
// "Seleccionar todo", and "Pegar" on the tables that take records; "Copiar imagen" and
// "Guardar imagen…" on the charts.

#include <QList>
#include <QPixmap>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QWidget;

namespace abat {

class FlexGrid;
class Grid;

// Puts rows of cells on the clipboard as tab-separated text and as an HTML table, the first row
// as its header.
void copiar_celdas(const std::vector<std::vector<std::string>>& filas);
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

// `pegar` receives the clipboard's text; without it the menu has no "Pegar". The table's own
// commands `propias` come first, `finales` last. The actions carry no keys: on the input tables
// Ctrl+letter opens the cell editor.
AccionesTabla menu_de_tabla(FlexGrid* grid, std::function<void(const QString&)> pegar = {},
                            const QList<QAction*>& propias = {},
                            const QList<QAction*>& finales = {});

// An action of `dueno`'s, named `nombre` for screen readers and automation.
QAction* accion(QWidget* dueno, const QString& texto, const char* nombre,
                std::function<void()> hacer);

struct AccionesGrafico {
    QAction* copiarImagen;
    QAction* guardarImagen;
};

// The context menu of a chart: the chart's own commands first (the actions added to the widget),
// then "Copiar imagen" (the picture `dibujo` gives, on the clipboard) and "Guardar imagen…", both
// disabled while there is no chart.
AccionesGrafico menu_de_grafico(QWidget* grafico, const std::function<QPixmap()>& dibujo,
                                std::function<void()> guardar);

}  // namespace abat
