#include "app/informe_error.h"

namespace abat {
namespace {

const QString titulo = QStringLiteral("Error en el cálculo");

}  // namespace

void informar_error(Dialogos& dialogos, const ErrorCalculo& error) {
    dialogos.mensaje(texto_error(error), titulo, Icono::error);
}

void informar_error(Dialogos& dialogos, const QString& descripcion) {
    dialogos.mensaje(descripcion, titulo, Icono::error);
}

}  // namespace abat
