#include "forms/frmEtapas.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "adaptadores/apariencia.h"
#include "calc/etapas.h"
#include "forms/tabla_textos.h"
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
    : QDialog(parent),
      dialogos_(dialogos),
      tabla_(new TablaTextos({QStringLiteral("Desde[días]"), QStringLiteral("Caudal[m3/s]")}, {},
                             this)) {
    setObjectName(QStringLiteral("frmEtapas"));
    setWindowTitle(QStringLiteral("Caudal por etapas del pozo %1 «%2»")
                       .arg(numero)
                       .arg(QString::fromStdString(nombre)));
    auto* ayuda = new QLabel(
        QStringLiteral("Desde cada tiempo, en días desde el comienzo del bombeo, el pozo bombea el "
                       "caudal de su fila: 0 lo detiene, un caudal negativo inyecta. La primera "
                       "fila es el gasto del pozo.\n&Etapas:"),
        this);
    ayuda->setObjectName(QStringLiteral("Label1"));
    ayuda->setWordWrap(true);
    ayuda->setBuddy(tabla_);
    tabla_->setObjectName(QStringLiteral("tblEtapas"));
    tabla_->setAccessibleName(titulo_etapas);
    std::vector<std::vector<std::string>> filas = {{"0", caudal}};
    for (const EtapaTexto& e : etapas) filas.push_back({e.desde, e.caudal});
    tabla_->setFilas(filas);
    // The first step begins with the pumping, at 0.
    QTableWidgetItem* cero = tabla_->item(0, 0);
    cero->setFlags(cero->flags() & ~Qt::ItemIsEditable);
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
    connect(agregar, &QPushButton::clicked, this, [this] { tabla_->agregarFila({"", ""}); });
    connect(quitar, &QPushButton::clicked, this, &frmEtapas::quitar);
    connect(aceptar, &QPushButton::clicked, this, &frmEtapas::accept);
    connect(cancelar, &QPushButton::clicked, this, &frmEtapas::reject);
    describir_controles(this);
}

std::string frmEtapas::caudal() const {
    return tabla_->filas().front()[1];
}

std::vector<EtapaTexto> frmEtapas::etapas() const {
    std::vector<EtapaTexto> e;
    const auto filas = tabla_->filas();
    for (size_t r = 1; r < filas.size(); ++r) e.push_back({filas[r][0], filas[r][1]});
    return e;
}

void frmEtapas::accept() {
    tabla_->terminarEdicion();
    std::string rechazo;
    if (const std::string q = caudal(); !leer_estricto(q).ok()) {
        rechazo = "El caudal de la etapa 1, " + cita(q) + ", no es un valor numérico.";
    } else {
        rechazo = leer_etapas(etapas()).rechazo();
    }
    if (!rechazo.empty()) {
        dialogos_.mensaje(QString::fromStdString(rechazo), titulo_etapas, Icono::advertencia);
        return;
    }
    QDialog::accept();
}

// The current step, never the first, which is the well's own rate.
void frmEtapas::quitar() {
    tabla_->terminarEdicion();
    const int fila = tabla_->currentRow() >= 1 ? tabla_->currentRow() : tabla_->rowCount() - 1;
    if (fila >= 1) tabla_->removeRow(fila);
}

}  // namespace abat
