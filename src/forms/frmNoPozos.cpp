#include "forms/frmNoPozos.h"

#include "model/filas.h"
#include "ui_frmNoPozos.h"

namespace abat {

frmNoPozos::frmNoPozos(Dialogos& dialogos, QWidget* parent)
    : VentanaTabla(dialogos, Grid(2, 6, 1, 1), textos_pozos(), parent),
      ui_(std::make_unique<Ui::frmNoPozos>()) {
    pozos().setFormatString(
        "^ No. |^   Nombre  |^  Diámetro[m]  |^  Gasto[m3/s]  |^  Coordenada x [m]  |^  "
        "Coordenada y [m]");
    ui_->setupUi(this);
    montar({ui_->Frame1, ui_->MSFlexGrid1, ui_->txtCellEditor, ui_->cmdAgregar, ui_->cmdQuitar,
            ui_->cmdSiguiente});
}

frmNoPozos::~frmNoPozos() = default;

// Only the two captions the button has are modes; at least one well is needed.
bool frmNoPozos::completa() {
    if (modo_de(cmdSiguiente()) == Modo::ninguno) return false;
    if (has_records(pozos())) return true;
    dialogos_.mensaje(QStringLiteral("Para continuar, debe existir almenos un pozo"),
                      QStringLiteral("No existen pozos"), Icono::advertencia);
    return false;
}

}  // namespace abat
