#include "forms/frmEtapas.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "adaptadores/apariencia.h"
#include "adaptadores/flex_grid.h"
#include "calc/etapas.h"
#include "forms/tabla_etapas.h"
#include "model/mensajes.h"
#include "model/numeros.h"

namespace abat {
namespace {

const QString titulo_etapas = QStringLiteral("Caudal por etapas");

QPushButton* boton(const QString& texto, const char* nombre, QWidget* padre) {
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(QString::fromLatin1(nombre));
    return b;
}

}  // namespace

frmEtapas::frmEtapas(int numero, const std::string& nombre, const std::string& caudal,
                     const std::vector<EtapaTexto>& etapas, Dialogos& dialogos, QWidget* parent)
    : frmEtapas(QStringLiteral("Caudal por etapas del pozo %1 «%2»")
                    .arg(numero)
                    .arg(QString::fromStdString(nombre)),
                QStringLiteral("Desde cada tiempo, en días desde el comienzo del bombeo, el pozo "
                               "bombea el caudal de su fila: 0 lo detiene, un caudal negativo "
                               "inyecta. La primera fila es el gasto del pozo.\n&Etapas:"),
                "días", caudal, etapas, dialogos, parent) {
    coma_decimal_ = false;
}

frmEtapas::frmEtapas(const QString& titulo, const QString& texto_ayuda, const std::string& unidad,
                     const std::string& caudal, const std::vector<EtapaTexto>& etapas,
                     Dialogos& dialogos, QWidget* parent)
    : QDialog(parent),
      dialogos_(dialogos),
      unidad_(unidad),
      coma_decimal_(true),
      tabla_(new TablaEtapas(unidad, dialogos, this)) {
    setObjectName(QStringLiteral("frmEtapas"));
    setWindowTitle(titulo);
    auto* ayuda = new QLabel(texto_ayuda, this);
    ayuda->setObjectName(QStringLiteral("Label1"));
    ayuda->setWordWrap(true);
    ayuda->setBuddy(tabla_->grid());
    tabla_->grid()->setObjectName(QStringLiteral("tblEtapas"));
    tabla_->grid()->setAccessibleName(titulo_etapas);
    tabla_->setEtapas(caudal, etapas);
    QPushButton* agregar = boton(QStringLiteral("Agregar etapa"), "cmdAgregar", this);
    QPushButton* quitar = boton(QStringLiteral("Quitar etapa"), "cmdQuitar", this);
    QPushButton* aceptar = boton(QStringLiteral("Aceptar"), "cmdAceptar", this);
    QPushButton* cancelar = boton(QStringLiteral("Cancelar"), "cmdCancelar", this);
    aceptar->setDefault(true);
    auto* botones = new QVBoxLayout;
    for (QPushButton* b : {agregar, quitar}) botones->addWidget(b);
    botones->addStretch();
    for (QPushButton* b : {aceptar, cancelar}) botones->addWidget(b);
    auto* fila = new QHBoxLayout;
    fila->addWidget(tabla_, 1);
    fila->addLayout(botones);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(ayuda);
    todo->addLayout(fila);
    fuente_de_ventana(this, 8.25);
    resize(470, 300);
    connect(agregar, &QPushButton::clicked, tabla_, &TablaEtapas::agregarEtapa);
    connect(quitar, &QPushButton::clicked, tabla_, &TablaEtapas::quitarEtapa);
    connect(aceptar, &QPushButton::clicked, this, &frmEtapas::accept);
    connect(cancelar, &QPushButton::clicked, this, &frmEtapas::reject);
    describir_controles(this);
}

std::string frmEtapas::caudal() const {
    return tabla_->caudal();
}

std::vector<EtapaTexto> frmEtapas::etapas() const {
    return tabla_->etapas();
}

void frmEtapas::accept() {
    tabla_->terminarEdicion();
    std::string rechazo;
    const std::string q = caudal();
    if (!leer_estricto(coma_decimal_ ? con_punto_decimal(q) : q).ok()) {
        rechazo = "El caudal de la etapa 1, " + cita(q) + ", no es un valor numérico.";
    } else {
        rechazo = leer_etapas(etapas(), unidad_).rechazo();
    }
    if (!rechazo.empty()) {
        dialogos_.mensaje(QString::fromStdString(rechazo), titulo_etapas, Icono::advertencia);
        return;
    }
    QDialog::accept();
}

}  // namespace abat
