#include "forms/frmCoordAbat.h"

#include "adaptadores/apariencia.h"
#include "forms/filtro_caracteres.h"
#include "model/filas.h"
#include "ui_frmCoordAbat.h"

namespace abat {

frmCoordAbat::frmCoordAbat(Dialogos& dialogos, QWidget* parent)
    : VentanaTabla(dialogos, Grid(2, 4, 1, 1), textos_puntos(), parent),
      ui_(std::make_unique<Ui::frmCoordAbat>()) {
    puntos().setFormatString("^No.|^   Nombre  |^  Coordenada x [m]  |^  Coordenada y [m]");
    ui_->setupUi(this);
    montar({ui_->Frame1, ui_->MSFlexGrid1, ui_->txtCellEditor, ui_->cmdAgregar, ui_->cmdQuitar,
            ui_->cmdSiguiente});
    ui_->Label1->setFont(fuente(9.75));
    ui_->Label1->adjustSize();
    new FiltroCaracteres(ui_->txtTiempo, admitido_en_tiempo, ui_->cmdSiguiente);
    connect(ui_->txtTiempo, &QLineEdit::textChanged, this, &frmCoordAbat::editado);
}

frmCoordAbat::~frmCoordAbat() = default;

std::string frmCoordAbat::tiempo() const {
    return ui_->txtTiempo->text().toStdString();
}

void frmCoordAbat::setTiempo(const QString& texto) {
    ui_->txtTiempo->setText(texto);
}

// The caption is not looked at: this window's button always calculates.
bool frmCoordAbat::completa() {
    if (has_records(puntos()) && !ui_->txtTiempo->text().isEmpty()) return true;
    dialogos_.mensaje(
        QStringLiteral("Para continuar, debe existir almenos un punto y el tiempo de explotación"),
        QStringLiteral("No existen puntos"), Icono::advertencia);
    return false;
}

}  // namespace abat
