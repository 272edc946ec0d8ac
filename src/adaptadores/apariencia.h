#pragma once
// Fonts, pictures and the names that assistive technology reads.

#include <QFont>
#include <QPixmap>
#include <QString>

class QGroupBox;
class QWidget;

namespace abat {

// The windows are designed in MS Sans Serif, which Linux lacks: a free font of similar metrics
// stands in for it wherever that family is asked for.
void registrar_fuente_sustituta();

// MS Sans Serif, regular, at the given size in points (8.25, 9.75, 12).
QFont fuente(double puntos);

// The window's font on the window and on every control in it; a frame's caption in its own size
// without passing that size on to the controls inside.
void fuente_de_ventana(QWidget* ventana, double puntos);
void fuente_de_titulo(QGroupBox* marco, double puntos, double puntosVentana);

// Every control's accessible description is its object name, so automation finds it by name.
void describir_controles(QWidget* raiz);

// An SVG picture of the program's resources drawn at lado x lado pixels.
QPixmap dibujo(const QString& recurso, int lado);

}  // namespace abat
