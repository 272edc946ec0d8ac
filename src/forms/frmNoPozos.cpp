#include "frmNoPozos.h"

#include "apariencia.h"
#include "comandos_tabla.h"
#include "filas.h"
#include "menu_tabla.h"
#include "ui_frmNoPozos.h"
#include "ventana_tabla.h"

namespace abat {

frmNoPozos::frmNoPozos(Dialogos& dialogos, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::frmNoPozos>()),
      dialogos_(dialogos),
      pozos_(2, 6, 1, 1) {
    pozos_.setFormatString(
        "^ No. |^   Nombre  |^  Diámetro[m]  |^  Gasto[m3/s]  |^  Coordenada x [m]  |^  "
        "Coordenada y [m]");
    ui_->setupUi(this);
    editor_ = montar_tabla(this, pozos_,
                           {ui_->Frame1, ui_->MSFlexGrid1, ui_->txtCellEditor, ui_->cmdAgregar,
                            ui_->cmdQuitar, ui_->cmdSiguiente});
    menu_de_tabla(ui_->MSFlexGrid1, [this](const QString& texto) {
        pegar_registros(pozos_, dialogos_, texto, textos_pozos());
    });
    connect(ui_->cmdSiguiente, &QPushButton::clicked, this, &frmNoPozos::cmdSiguiente_Click);
    connect(ui_->cmdAgregar, &QPushButton::clicked, this, &frmNoPozos::cmdAgregar_Click);
    connect(ui_->cmdQuitar, &QPushButton::clicked, this, &frmNoPozos::cmdQuitar_Click);
}

// The widgets that show the table go first, while the table they observe still exists.
frmNoPozos::~frmNoPozos() {
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

QPushButton* frmNoPozos::cmdSiguiente() const {
    return ui_->cmdSiguiente;
}

void frmNoPozos::Form_Activate() {
    ui_->cmdAgregar->setFocus(Qt::ActiveWindowFocusReason);
}

void frmNoPozos::cmdSiguiente_Click() {
    const Modo modo = modo_de(ui_->cmdSiguiente);
    if (modo == Modo::ninguno) return;
    if (!has_records(pozos_)) {
        dialogos_.mensaje(QStringLiteral("Para continuar, debe existir almenos un pozo"),
                          QStringLiteral("No existen pozos"), Icono::advertencia);
        return;
    }
    emit aceptado(modo);
}

void frmNoPozos::actualizar_numeros() {
    renumber_records(pozos_);
}

void frmNoPozos::cmdAgregar_Click() {
    agregar_registro(pozos_, dialogos_, textos_pozos());
}

void frmNoPozos::cmdQuitar_Click() {
    quitar_registro(pozos_, dialogos_, textos_pozos(), [this] { actualizar_numeros(); });
}

}  // namespace abat
