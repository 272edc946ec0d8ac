#include "ventana_tabla.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "apariencia.h"
#include "editor_celdas.h"
#include "flex_grid.h"

namespace abat {

EditorCeldas* montar_tabla(QWidget* ventana, Grid& tabla, const ControlesTabla& c) {
    fuente_de_ventana(ventana, 8.25);
    fuente_de_titulo(c.marco, 12, 8.25);
    c.grid->setGrid(tabla);
    for (QPushButton* b : {c.agregar, c.quitar, c.siguiente}) b->setAutoDefault(true);
    c.grid->setAccessibleName(c.marco->title().trimmed());
    c.editor->setAccessibleName(QStringLiteral("Editor de celda"));
    describir_controles(ventana);
    return new EditorCeldas(c.grid, c.editor);
}

}  // namespace abat
