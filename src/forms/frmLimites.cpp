#include "forms/frmLimites.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "adaptadores/apariencia.h"
#include "adaptadores/flex_grid.h"
#include "forms/tabla_celdas.h"
#include "model/numeros.h"

namespace abat {
namespace {

constexpr int columna_tipo = 1;
constexpr int columna_x1 = 2;

// A type as its cell stores it: the word that the text, blanks aside, begins in either case;
// any other text as typed.
std::string tipo_de_limite(std::string texto) {
    const QString comienzo = QString::fromStdString(texto).trimmed();
    if (comienzo.isEmpty()) return texto;
    for (const char* tipo : {texto_recarga, texto_barrera}) {
        if (QString::fromLatin1(tipo).startsWith(comienzo, Qt::CaseInsensitive)) return tipo;
    }
    return texto;
}

FormaTabla forma_limites() {
    FormaTabla f;
    f.formato =
        "^ No. |^       Tipo       |^       x1[m]       |^       y1[m]       |^       x2[m]       "
        "|^       y2[m]       ";
    f.reglas.guardar = [](int columna, std::string texto) {
        return columna == columna_tipo ? tipo_de_limite(std::move(texto))
                                       : con_punto_decimal(std::move(texto));
    };
    f.reglas.columnaOpciones = columna_tipo;
    f.reglas.opciones = {QString::fromLatin1(texto_recarga), QString::fromLatin1(texto_barrera)};
    f.textos.tituloPegar = QStringLiteral("Pegar líneas");
    f.textos.registro = QStringLiteral("línea");
    return f;
}

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
      tabla_(new TablaCeldas(forma_limites(), dialogos, this)),
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
    ayuda->setBuddy(tabla_->grid());
    tabla_->grid()->setObjectName(QStringLiteral("tblLimites"));
    tabla_->grid()->setAccessibleName(QStringLiteral("Límites del acuífero"));
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
    connect(tabla_, &TablaCeldas::editado, this, &frmLimites::editado);
    connect(agregar, &QPushButton::clicked, this, [this] {
        tabla_->agregarFila({texto_recarga, "", "", "", ""}, columna_x1);
    });
    connect(quitar, &QPushButton::clicked, this, &frmLimites::quitar);
    connect(actualizar_, &QPushButton::clicked, this, [this] {
        tabla_->terminarEdicion();
        emit actualizarPedido();
    });
    describir_controles(this);
}

std::vector<LimiteTexto> frmLimites::limites(bool cerrar) const {
    std::vector<LimiteTexto> l;
    for (const auto& f : tabla_->filas(cerrar)) l.push_back({f[0], f[1], f[2], f[3], f[4]});
    return l;
}

void frmLimites::setLimites(const std::vector<LimiteTexto>& limites) {
    if (limites == this->limites(false)) return;
    std::vector<std::vector<std::string>> filas;
    filas.reserve(limites.size());
    for (const LimiteTexto& l : limites) filas.push_back({l.tipo, l.x1, l.y1, l.x2, l.y2});
    tabla_->setFilas(filas);
}

// The current line, once the user confirms; the last one when none is current.
void frmLimites::quitar() {
    tabla_->terminarEdicion();
    const int lineas = static_cast<int>(tabla_->filas().size());
    if (lineas == 0) return;
    const int fila = tabla_->filaActual() > 0 ? tabla_->filaActual() : lineas;
    const QString numero = QString::number(fila);
    if (!dialogos_.pregunta(
            QStringLiteral("¿Está seguro que desea quitar la línea %1?").arg(numero),
            QStringLiteral("Quitando línea %1").arg(numero)))
        return;
    tabla_->quitarFila(fila);
}

}  // namespace abat
