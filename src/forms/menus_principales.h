#pragma once
// The main window's menu bar, built in one place in the order the user sees it. Each command is a
// line of one table: its name, text and keys, and the separators between them. The parts of the
// program find their commands by name and connect to them; a new command is one line there and its
// part's connection.

class QMenuBar;

namespace abat {

// Fills `barra` with the menus and their commands, each a child of its menu, named.
void crear_menus(QMenuBar* barra);

}  // namespace abat
