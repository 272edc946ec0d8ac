#include "forms/frmCaracteristicas.h"

#include "adaptadores/apariencia.h"
#include "forms/filtro_caracteres.h"
#include "model/numeros.h"
#include "ui_frmCaracteristicas.h"

namespace abat {

frmCaracteristicas::frmCaracteristicas(Declaraciones& d, Dialogos& dialogos, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::frmCaracteristicas>()), d_(d), dialogos_(dialogos) {
    ui_->setupUi(this);
    fuente_de_ventana(this, 8.25);
    fuente_de_titulo(ui_->Frame1, 12, 8.25);
    ui_->Label1->adjustSize();
    ui_->Label2->adjustSize();
    ui_->cmdSiguiente->setAutoDefault(true);
    new FiltroCaracteres(ui_->txtT, admitido_en_acuifero, ui_->txtS);
    new FiltroCaracteres(ui_->txtS, admitido_en_acuifero, ui_->cmdSiguiente);
    connect(ui_->cmdSiguiente, &QPushButton::clicked, this,
            &frmCaracteristicas::cmdSiguiente_Click);
    for (QLineEdit* caja : {ui_->txtT, ui_->txtS})
        connect(caja, &QLineEdit::textChanged, this, &frmCaracteristicas::editado);
    describir_controles(this);
}

frmCaracteristicas::~frmCaracteristicas() = default;

QPushButton* frmCaracteristicas::cmdSiguiente() const {
    return ui_->cmdSiguiente;
}

QString frmCaracteristicas::textoT() const {
    return ui_->txtT->text();
}

QString frmCaracteristicas::textoS() const {
    return ui_->txtS->text();
}

void frmCaracteristicas::setTextos(const QString& T, const QString& S) {
    ui_->txtT->setText(T);
    ui_->txtS->setText(S);
}

void frmCaracteristicas::almacenar() {
    d_.T = leading_number(ui_->txtT->text().toStdString());
    d_.S = leading_number(ui_->txtS->text().toStdString());
}

void frmCaracteristicas::cmdSiguiente_Click() {
    const Modo modo = modo_de(ui_->cmdSiguiente);
    if (modo == Modo::ninguno) return;
    if (ui_->txtT->text().isEmpty() || ui_->txtS->text().isEmpty()) {
        dialogos_.mensaje(QStringLiteral("Debe introducir datos en ambas casillas"),
                          QStringLiteral("Características del Acuífero"), Icono::advertencia);
        return;
    }
    almacenar();
    emit aceptado(modo);
}

}  // namespace abat
