#pragma once
// What the wells and points windows set up alike around their table.

class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace abat {

class EditorCeldas;
class FlexGrid;
class Grid;

struct ControlesTabla {
    QGroupBox* marco;  // the frame that holds the grid
    FlexGrid* grid;
    QLineEdit* editor;
    QPushButton* agregar;
    QPushButton* quitar;
    QPushButton* siguiente;
};

// The window's fonts, the grid over its table, the in-cell editor, Enter pressing a focused
// button, and the names that screen readers and automation use.
EditorCeldas* montar_tabla(QWidget* ventana, Grid& tabla, const ControlesTabla& c);

}  // namespace abat
