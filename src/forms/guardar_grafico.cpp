#include "guardar_grafico.h"

namespace abat {

QString texto_error_al_guardar(const ErrorCalculo& e) {
    QString texto =
        QStringLiteral("Se ha producido el error '%1' al guardar la imagen:\n\n%2\n\n%3")
            .arg(e.numero())
            .arg(QString::fromUtf8(e.descripcion()), QString::fromStdString(e.ruta));
    if (!e.motivo.empty()) texto += QStringLiteral(": ") + QString::fromStdString(e.motivo);
    return texto;
}

void guardar_grafico(Dialogos& dialogos, QSize tamano, const Pintor& pintar,
                     const QString& titulo) {
    QString filtro;
    const QString ruta = dialogos.archivoParaGuardar(
        QStringLiteral("Guardar imagen"), filtros_imagen(), filtro, nombre_de_archivo(titulo));
    if (ruta.isEmpty()) return;
    try {
        guardar_imagen(con_extension(ruta, filtro), tamano, pintar, titulo);
    } catch (const ErrorCalculo& e) {
        dialogos.mensaje(texto_error_al_guardar(e), QStringLiteral("Error al guardar la imagen"),
                         Icono::error);
    }
}

}  // namespace abat
