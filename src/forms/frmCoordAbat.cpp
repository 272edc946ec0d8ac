#include "frmCoordAbat.h"

#include "apariencia.h"
#include "comandos_tabla.h"
#include "filas.h"
#include "filtro_caracteres.h"
#include "ui_frmCoordAbat.h"

namespace abat {

frmCoordAbat::frmCoordAbat(Dialogos& dialogos, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::frmCoordAbat>()),
      dialogos_(dialogos),
      puntos_(2, 4, 1, 1) {
    puntos_.setFormatString("^No.|^   Nombre  |^  Coordenada x [m]  |^  Coordenada y [m]");
    ui_->setupUi(this);
    fuente_de_ventana(this, 8.25);
    fuente_de_titulo(ui_->Frame1, 12, 8.25);
    ui_->Label1->setFont(fuente(9.75));
    ui_->Label1->adjustSize();
    ui_->MSFlexGrid1->setGrid(puntos_);
    for (QPushButton* b : {ui_->cmdAgregar, ui_->cmdQuitar, ui_->cmdSiguiente}) {
        b->setAutoDefault(true);
    }
    new FiltroCaracteres(ui_->txtTiempo, admitido_en_tiempo, ui_->cmdSiguiente);
    editor_ = new EditorCeldas(ui_->MSFlexGrid1, ui_->txtCellEditor);
    connect(ui_->cmdSiguiente, &QPushButton::clicked, this, &frmCoordAbat::cmdSiguiente_Click);
    connect(ui_->cmdAgregar, &QPushButton::clicked, this, &frmCoordAbat::cmdAgregar_Click);
    connect(ui_->cmdQuitar, &QPushButton::clicked, this, &frmCoordAbat::cmdQuitar_Click);
    // What a screen reader names the table and the cell editor by.
    ui_->MSFlexGrid1->setAccessibleName(ui_->Frame1->title().trimmed());
    ui_->txtCellEditor->setAccessibleName(QStringLiteral("Editor de celda"));
    describir_controles(this);
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
