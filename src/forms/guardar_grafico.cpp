#include "forms/guardar_grafico.h"

#include "forms/texto_error.h"

namespace abat {

void guardar_grafico(Dialogos& dialogos, QSize tamano, const Pintor& pintar,
                     const QString& titulo) {
    QString filtro;
    const QString ruta = dialogos.archivoParaGuardar(
        QStringLiteral("Guardar imagen"), filtros_imagen(), filtro, nombre_de_archivo(titulo));
    if (ruta.isEmpty()) return;
    try {
        guardar_imagen(con_extension(ruta, filtro), tamano, pintar, titulo);
    } catch (const ErrorCalculo& e) {
        dialogos.mensaje(texto_error(e, QStringLiteral("al guardar la imagen")),
                         QStringLiteral("Error al guardar la imagen"), Icono::error);
    }
}

}  // namespace abat
