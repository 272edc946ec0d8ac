#pragma once
// The character code of a key press, as the windows' key handlers receive it.

#include <QKeyEvent>
#include <optional>

namespace abat {

// The 16-bit code of the character that a key typed (Enter 13, Escape 27, Backspace 8, Ctrl+A 1,
// ...), or nothing for keys that type none: arrows, Home, End, Delete, and Tab, which moves the
// focus.
inline std::optional<char16_t> caracter_tecleado(const QKeyEvent* evento) {
    const QString texto = evento->text();
    if (texto.isEmpty() || evento->key() == Qt::Key_Tab || evento->key() == Qt::Key_Backtab ||
        evento->key() == Qt::Key_Delete) {
        return std::nullopt;
    }
    return texto.at(0).unicode();
}

}  // namespace abat
