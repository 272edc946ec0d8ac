#include "forms/ventana_tabla.h"

#include <QGroupBox>
#include <QLineEdit>

#include "adaptadores/apariencia.h"
#include "adaptadores/flex_grid.h"
#include "forms/editor_celdas.h"
#include "forms/menu_tabla.h"
#include "model/filas.h"

namespace abat {

VentanaTabla::VentanaTabla(Dialogos& dialogos, Grid tabla, const TextosTabla& textos,
                           QWidget* parent)
    : VentanaConTabla(std::move(tabla), parent), dialogos_(dialogos), textos_(textos) {}

void VentanaTabla::montar(const ControlesTabla& controles, const QList<QAction*>& propias) {
    c_ = controles;
    fuente_de_ventana(this, 8.25);
    fuente_de_titulo(c_.marco, 12, 8.25);
    c_.grid->setGrid(tabla());
    for (QPushButton* b : {c_.agregar, c_.quitar, c_.siguiente}) b->setAutoDefault(true);
    c_.grid->setAccessibleName(c_.marco->title().trimmed());
    c_.editor->setAccessibleName(QStringLiteral("Editor de celda"));
    describir_controles(this);
    editor_ = new EditorCeldas(c_.grid, c_.editor);
    const GridTableModel* modelo = c_.grid->gridModel();
    connect(modelo, &GridTableModel::dataChanged, this, &VentanaTabla::editado);
    connect(modelo, &GridTableModel::rowsInserted, this, &VentanaTabla::editado);
    connect(modelo, &GridTableModel::rowsRemoved, this, &VentanaTabla::editado);
    connect(modelo, &GridTableModel::modelReset, this, &VentanaTabla::editado);
    // Typing in an open cell is an entry too: the recovery copy holds it before it is stored.
    connect(c_.editor, &QLineEdit::textEdited, this, &VentanaTabla::editado);
    QAction* importar = accion(c_.grid, QStringLiteral("Importar…"), "accionImportar",
                               [this] { emit importarPedido(); });
    menu_de_tabla(c_.grid,
                  [this](const QString& texto) {
                      terminarEdicion();
                      pegar_registros(tabla(), dialogos_, texto, textos_);
                  },
                  propias, {importar});
    connect(c_.siguiente, &QPushButton::clicked, this, &VentanaTabla::cmdSiguiente_Click);
    connect(c_.agregar, &QPushButton::clicked, this, &VentanaTabla::cmdAgregar_Click);
    connect(c_.quitar, &QPushButton::clicked, this, &VentanaTabla::cmdQuitar_Click);
}

void VentanaTabla::Form_Activate() const {
    c_.agregar->setFocus(Qt::ActiveWindowFocusReason);
}

void VentanaTabla::actualizar_numeros() {
    renumber_records(tabla());
}

void VentanaTabla::terminarEdicion() {
    editor_->HideCellEditor(false);
}

std::optional<CeldaAbierta> VentanaTabla::celdaAbierta() const {
    return editor_->abierta();
}

void VentanaTabla::cmdSiguiente_Click() {
    if (completa()) emit aceptado(modo_de(c_.siguiente));
}

// A command on the table's rows stores an open cell first, as a click that takes its focus would.
void VentanaTabla::cmdAgregar_Click() {
    terminarEdicion();
    agregar_registro(tabla(), dialogos_, textos_);
}

void VentanaTabla::cmdQuitar_Click() {
    terminarEdicion();
    quitar_registro(tabla(), dialogos_, textos_, [this] { actualizar_numeros(); });
}

}  // namespace abat
