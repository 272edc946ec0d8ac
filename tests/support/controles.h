#pragma once
// Reaching the windows' controls and reading their tables, in the window tests, which have
// all of Qt Widgets and Qt Test at hand through this header.

#include <QtTest>
#include <QtWidgets>

#include <functional>

#include "adaptadores/texto_qt.h"
#include "model/grid.h"

namespace abat::prueba {

// The control named `nombre` in `ventana`; the test ends if there is none.
template <typename T = QWidget>
T* control(const QWidget* ventana, const char* nombre) {
    T* c = ventana->findChild<T*>(QString::fromLatin1(nombre));
    if (c == nullptr) qFatal("no control %s", nombre);
    return c;
}

inline void pulsar(const QWidget* ventana, const char* boton) {
    QTest::mouseClick(control<QAbstractButton>(ventana, boton), Qt::LeftButton);
}

// Types a text character by character, also characters that QTest's keys do not have ("í").
inline void escribir(QWidget* w, const QString& texto) {
    for (const char32_t c : texto.toUcs4()) {
        QKeyEvent tecla(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUcs4(&c, 1));
        QApplication::sendEvent(w, &tecla);
    }
}

// The names of the actions of the context menu that `abrir` opens, read while it shows.
inline QStringList menu(const std::function<void()>& abrir) {
    QStringList nombres;
    QTimer::singleShot(0, [&] {
        auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (QAction* a : m->actions()) nombres << a->objectName();
        m->close();
    });
    abrir();
    return nombres;
}

// Row r's cells joined by '|'.
inline QString fila(const Grid& g, int r) {
    QStringList celdas;
    for (int c = 0; c < g.Cols(); ++c) celdas << a_qstring(g.TextMatrix(r, c));
    return celdas.join('|');
}

// The current cell and the far corner of the selection: "Row,Col:RowSel,ColSel".
inline QString seleccion(const Grid& g) {
    return QStringLiteral("%1,%2:%3,%4").arg(g.Row()).arg(g.Col()).arg(g.RowSel()).arg(g.ColSel());
}

}  // namespace abat::prueba
