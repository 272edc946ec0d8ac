#include "forms/frmLimites.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "adaptadores/apariencia.h"
#include "forms/tabla_textos.h"

namespace abat {
namespace {

QPushButton* boton(const QString& texto, const char* nombre, QWidget* padre) {
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(QString::fromLatin1(nombre));
    b->setAutoDefault(true);
    return b;
}

}  // namespace

frmLimites::frmLimites(Dialogos& dialogos, QWidget* parent)
    : QWidget(parent),
      dialogos_(dialogos),
      tabla_(new TablaTextos(
          {QStringLiteral("Tipo"), QStringLiteral("x1[m]"), QStringLiteral("y1[m]"),
           QStringLiteral("x2[m]"), QStringLiteral("y2[m]")},
          {QString::fromLatin1(texto_recarga), QString::fromLatin1(texto_barrera)}, this)),
      actualizar_(boton(QStringLiteral("Actualizar"), "cmdActualizar", this)) {
    setObjectName(QStringLiteral("frmLimites"));
    setWindowTitle(QStringLiteral("Límites del acuífero"));
    auto* marco = new QGroupBox(QStringLiteral("Límites del Acuífero "), this);
    marco->setObjectName(QStringLiteral("Frame1"));
    auto* ayuda = new QLabel(
        QStringLiteral("Cada fila es una recta por dos puntos: «Recarga», un río o un lago de "
                       "nivel constante; «Barrera», una falla o un borde impermeable. El acuífero "
                       "queda del lado de cada recta donde está el pozo 1.\n&Líneas:"),
        marco);
    ayuda->setObjectName(QStringLiteral("Label1"));
    ayuda->setWordWrap(true);
    ayuda->setBuddy(tabla_);
    tabla_->setObjectName(QStringLiteral("tblLimites"));
    tabla_->setAccessibleName(QStringLiteral("Límites del acuífero"));
    tabla_->setMinimumSize(470, 180);
    QPushButton* agregar = boton(QStringLiteral("Agregar línea"), "cmdAgregar", marco);
    QPushButton* quitar = boton(QStringLiteral("Quitar línea"), "cmdQuitar", marco);
    actualizar_->setParent(marco);
    auto* botones = new QVBoxLayout;
    for (QPushButton* b : {agregar, quitar}) botones->addWidget(b);
    botones->addStretch();
    botones->addWidget(actualizar_);
    auto* fila = new QHBoxLayout;
    fila->addWidget(tabla_, 1);
    fila->addLayout(botones);
    auto* dentro = new QVBoxLayout(marco);
    dentro->addWidget(ayuda);
    dentro->addLayout(fila);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(marco);
    fuente_de_ventana(this, 8.25);
    fuente_de_titulo(marco, 12, 8.25);
    resize(665, 330);
    connect(tabla_, &TablaTextos::editado, this, &frmLimites::editado);
    connect(agregar, &QPushButton::clicked, this, [this] {
        tabla_->agregarFila({texto_recarga, "", "", "", ""});
    });
    connect(quitar, &QPushButton::clicked, this, &frmLimites::quitar);
    connect(actualizar_, &QPushButton::clicked, this, [this] {
        tabla_->terminarEdicion();
        emit actualizarPedido();
    });
    describir_controles(this);
}

std::vector<LimiteTexto> frmLimites::limites(bool cerrar) const {
    if (cerrar) tabla_->terminarEdicion();
    std::vector<LimiteTexto> l;
    for (const auto& f : tabla_->filas()) l.push_back({f[0], f[1], f[2], f[3], f[4]});
    return l;
}

void frmLimites::setLimites(const std::vector<LimiteTexto>& limites) {
    if (limites == this->limites(false)) return;
    std::vector<std::vector<std::string>> filas;
    for (const LimiteTexto& l : limites) filas.push_back({l.tipo, l.x1, l.y1, l.x2, l.y2});
    tabla_->setFilas(filas);
}

// The current line, once the user confirms; the last one when none is current.
void frmLimites::quitar() {
    tabla_->terminarEdicion();
    if (tabla_->rowCount() == 0) return;
    const int fila = tabla_->currentRow() >= 0 ? tabla_->currentRow() : tabla_->rowCount() - 1;
    const QString numero = QString::number(fila + 1);
    if (!dialogos_.pregunta(
            QStringLiteral("¿Está seguro que desea quitar la línea %1?").arg(numero),
            QStringLiteral("Quitando línea %1").arg(numero)))
        return;
    tabla_->removeRow(fila);
}

}  // namespace abat
