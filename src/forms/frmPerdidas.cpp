#include "forms/frmPerdidas.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "adaptadores/apariencia.h"
#include "calc/perdidas_pozo.h"
#include "forms/filtro_caracteres.h"
#include "model/mensajes.h"
#include "model/numeros.h"

namespace abat {
namespace {

const QString titulo_perdidas = QStringLiteral("Pérdidas en el pozo");

QLineEdit* caja(const std::string& texto, const char* nombre, QWidget* padre) {
    auto* c = new QLineEdit(QString::fromStdString(texto), padre);
    c->setObjectName(QString::fromLatin1(nombre));
    return c;
}

}  // namespace

std::string rechazo_perdidas(const PerdidasTexto& p) {
    return leer_perdida(p).rechazo();
}

frmPerdidas::frmPerdidas(int numero, const std::string& nombre, const PerdidasTexto& perdidas,
                         Dialogos& dialogos, QWidget* parent)
    : QDialog(parent),
      dialogos_(dialogos),
      C_(caja(perdidas.C, "txtC", this)),
      n_(caja(perdidas.vacio() ? "2" : perdidas.n, "txtN", this)) {
    setObjectName(QStringLiteral("frmPerdidas"));
    setWindowTitle(QStringLiteral("%1 %2 «%3»")
                       .arg(titulo_perdidas)
                       .arg(numero)
                       .arg(QString::fromStdString(nombre)));
    auto* ayuda = new QLabel(
        QStringLiteral("La pérdida de carga del agua al entrar en el pozo, por su rejilla y su "
                       "empaque de grava, es C·Qⁿ, con Q en m3/s: un ensayo escalonado la mide. "
                       "Deje C vacía si el pozo no la tiene."),
        this);
    ayuda->setObjectName(QStringLiteral("lblAyuda"));
    ayuda->setWordWrap(true);
    auto* cajas = new QFormLayout;
    auto* etiquetaC = new QLabel(QStringLiteral("&C [sⁿ/m³ⁿ⁻¹]:"), this);
    etiquetaC->setObjectName(QStringLiteral("lblC"));
    etiquetaC->setBuddy(C_);
    auto* etiquetaN = new QLabel(QStringLiteral("&n:"), this);
    etiquetaN->setObjectName(QStringLiteral("lblN"));
    etiquetaN->setBuddy(n_);
    cajas->addRow(etiquetaC, C_);
    cajas->addRow(etiquetaN, n_);
    new FiltroCaracteres(C_, admitido_en_acuifero, n_);
    auto* aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    aceptar->setObjectName(QStringLiteral("cmdAceptar"));
    aceptar->setDefault(true);
    auto* cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    cancelar->setObjectName(QStringLiteral("cmdCancelar"));
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(aceptar);
    botones->addWidget(cancelar);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(ayuda);
    todo->addLayout(cajas);
    todo->addLayout(botones);
    fuente_de_ventana(this, 8.25);
    resize(380, 180);
    connect(aceptar, &QPushButton::clicked, this, &frmPerdidas::accept);
    connect(cancelar, &QPushButton::clicked, this, &frmPerdidas::reject);
    describir_controles(this);
}

PerdidasTexto frmPerdidas::perdidas() const {
    PerdidasTexto p{C_->text().trimmed().toStdString(), n_->text().trimmed().toStdString()};
    if (p.C.empty()) return {};
    return p;
}

void frmPerdidas::accept() {
    const std::string rechazo = rechazo_perdidas(perdidas());
    if (!rechazo.empty()) {
        dialogos_.mensaje(QString::fromStdString(rechazo), titulo_perdidas, Icono::advertencia);
        return;
    }
    QDialog::accept();
}

}  // namespace abat
