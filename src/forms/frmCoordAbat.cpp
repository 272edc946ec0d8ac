#include "frmCoordAbat.h"

#include "apariencia.h"
#include "comandos_tabla.h"
#include "filas.h"
#include "filtro_caracteres.h"
#include "menu_tabla.h"
#include "ui_frmCoordAbat.h"
#include "ventana_tabla.h"

namespace abat {

frmCoordAbat::frmCoordAbat(Dialogos& dialogos, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::frmCoordAbat>()),
      dialogos_(dialogos),
      puntos_(2, 4, 1, 1) {
    puntos_.setFormatString("^No.|^   Nombre  |^  Coordenada x [m]  |^  Coordenada y [m]");
    ui_->setupUi(this);
    editor_ = montar_tabla(this, puntos_,
                           {ui_->Frame1, ui_->MSFlexGrid1, ui_->txtCellEditor, ui_->cmdAgregar,
                            ui_->cmdQuitar, ui_->cmdSiguiente});
    ui_->Label1->setFont(fuente(9.75));
    ui_->Label1->adjustSize();
    new FiltroCaracteres(ui_->txtTiempo, admitido_en_tiempo, ui_->cmdSiguiente);
    menu_de_tabla(ui_->MSFlexGrid1, [this](const QString& texto) {
        pegar_registros(puntos_, dialogos_, texto, textos_puntos());
    });
    connect(ui_->cmdSiguiente, &QPushButton::clicked, this, &frmCoordAbat::cmdSiguiente_Click);
    connect(ui_->cmdAgregar, &QPushButton::clicked, this, &frmCoordAbat::cmdAgregar_Click);
    connect(ui_->cmdQuitar, &QPushButton::clicked, this, &frmCoordAbat::cmdQuitar_Click);
}

// The widgets that show the table go first, while the table they observe still exists.
frmCoordAbat::~frmCoordAbat() {
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

QPushButton* frmCoordAbat::cmdSiguiente() const {
    return ui_->cmdSiguiente;
}

std::string frmCoordAbat::tiempo() const {
    return ui_->txtTiempo->text().toStdString();
}

void frmCoordAbat::Form_Activate() {
    ui_->cmdAgregar->setFocus(Qt::ActiveWindowFocusReason);
}

void frmCoordAbat::cmdSiguiente_Click() {
    if (!has_records(puntos_) || ui_->txtTiempo->text().isEmpty()) {
        dialogos_.mensaje(
            QStringLiteral(
                "Para continuar, debe existir almenos un punto y el tiempo de explotación"),
            QStringLiteral("No existen puntos"), Icono::advertencia);
        return;
    }
    emit aceptado();
}

void frmCoordAbat::actualizar_numeros() {
    renumber_records(puntos_);
}

void frmCoordAbat::cmdAgregar_Click() {
    agregar_registro(puntos_, dialogos_, textos_puntos());
}

void frmCoordAbat::cmdQuitar_Click() {
    quitar_registro(puntos_, dialogos_, textos_puntos(), [this] { actualizar_numeros(); });
}

}  // namespace abat
