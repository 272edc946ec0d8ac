#pragma once
// The program's file dialogs list a folder by names alone: a file's type and icon come from its
// name, never from its contents. Reading a file to guess its type blocks for good on a named pipe,
// a device or a file such as /proc/kmsg, and would freeze the program with every entry in it.

class QFileDialog;

namespace abat {

// Qt's own dialog, not the desktop's, which the program cannot keep from reading files. Its types
// are in Spanish, and its columns wide enough for Spanish sizes and types.
void listar_por_nombres(QFileDialog& dialogo);

}  // namespace abat
