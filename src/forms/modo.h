#pragma once
// An input window's "Siguiente" button tells its mode by its caption: the first pass through the
// windows, or an update once the results window has sent the user back.

#include <QPushButton>

namespace abat {

enum class Modo { ninguno, primera_pasada, actualizar };

inline const QString texto_siguiente = QStringLiteral("Siguiente");
inline const QString texto_actualizar = QStringLiteral("Actualizar");

inline Modo modo_de(const QPushButton* boton) {
    if (boton->text() == texto_siguiente) return Modo::primera_pasada;
    if (boton->text() == texto_actualizar) return Modo::actualizar;
    return Modo::ninguno;
}

}  // namespace abat
