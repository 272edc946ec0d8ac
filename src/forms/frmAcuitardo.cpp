#include "forms/frmAcuitardo.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "adaptadores/apariencia.h"
#include "forms/filtro_caracteres.h"
#include "model/acuitardo.h"
#include "model/numeros.h"

namespace abat {

frmAcuitardo::frmAcuitardo(Dialogos& dialogos, QWidget* parent)
    : QWidget(parent),
      dialogos_(dialogos),
      caja_(new QLineEdit(this)),
      factor_(new QLabel(this)),
      actualizar_(new QPushButton(QStringLiteral("Actualizar"), this)) {
    setObjectName(QStringLiteral("frmAcuitardo"));
    setWindowTitle(QStringLiteral("Acuitardo"));
    auto* marco = new QGroupBox(QStringLiteral("Acuitardo "), this);
    marco->setObjectName(QStringLiteral("Frame1"));
    auto* ayuda = new QLabel(
        QStringLiteral("Un acuífero semiconfinado recibe agua a través del acuitardo que lo cubre, "
                       "en proporción a su resistencia c = espesor / permeabilidad vertical. "
                       "Deje la casilla vacía para un acuífero confinado."),
        marco);
    ayuda->setObjectName(QStringLiteral("lblAyuda"));
    ayuda->setWordWrap(true);
    auto* etiqueta = new QLabel(QString::fromUtf8(etiqueta_resistencia) + ':', marco);
    etiqueta->setObjectName(QStringLiteral("lblResistencia"));
    etiqueta->setBuddy(caja_);
    caja_->setParent(marco);
    caja_->setObjectName(QStringLiteral("txtResistencia"));
    caja_->setAccessibleName(QString::fromUtf8(etiqueta_resistencia));
    factor_->setParent(marco);
    factor_->setObjectName(QStringLiteral("lblFactorGoteo"));
    factor_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    actualizar_->setParent(marco);
    actualizar_->setObjectName(QStringLiteral("cmdActualizar"));
    actualizar_->setAutoDefault(true);
    new FiltroCaracteres(caja_, admitido_en_acuifero, actualizar_);
    auto* fila = new QHBoxLayout;
    fila->addWidget(etiqueta);
    fila->addWidget(caja_, 1);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(actualizar_);
    auto* dentro = new QVBoxLayout(marco);
    dentro->addWidget(ayuda);
    dentro->addLayout(fila);
    dentro->addWidget(factor_);
    dentro->addStretch();
    dentro->addLayout(botones);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(marco);
    fuente_de_ventana(this, 8.25);
    fuente_de_titulo(marco, 12, 8.25);
    resize(430, 210);
    connect(caja_, &QLineEdit::textChanged, this, &frmAcuitardo::mostrarFactor);
    connect(actualizar_, &QPushButton::clicked, this, &frmAcuitardo::actualizar);
    describir_controles(this);
}

void frmAcuitardo::setResistencia(const QString& texto) {
    tomada_ = texto;
    if (caja_->text() != texto) caja_->setText(texto);
}

void frmAcuitardo::setTransmisividad(std::optional<double> T) {
    T_ = T;
    mostrarFactor();
}

// The box's text as it would be taken: B from it while it is typed.
void frmAcuitardo::mostrarFactor() {
    const Resuelto<std::optional<double>> c = leer_resistencia(caja_->text().toStdString());
    const std::optional<double> B = T_ && c && *c ? factor_goteo(*T_, **c) : std::nullopt;
    factor_->setText(B ? QString::fromStdString(texto_factor_goteo(*B)) : QString());
}

void frmAcuitardo::actualizar() {
    const QString texto = caja_->text();
    const Resuelto<std::optional<double>> c = leer_resistencia(texto.toStdString());
    if (!c) {
        dialogos_.mensaje(QString::fromStdString(c.rechazo()), windowTitle(), Icono::advertencia);
        caja_->setFocus();
        caja_->selectAll();
        return;
    }
    emit actualizarPedido(texto);
}

}  // namespace abat
