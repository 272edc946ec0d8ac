#include "guardar_grafico.h"

namespace abat {

void guardar_grafico(Dialogos& dialogos, QSize tamano, const Pintor& pintar,
                     const InformarError& informar) {
    QString filtro;
    const QString ruta =
        dialogos.archivoParaGuardar(QStringLiteral("Guardar imagen"), filtros_imagen(), filtro);
    if (ruta.isEmpty()) return;
    try {
        guardar_imagen(con_extension(ruta, filtro), tamano, pintar);
    } catch (const ErrorCalculo& e) {
        informar(e);
    }
}

}  // namespace abat
