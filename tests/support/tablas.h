#pragma once
// Reading a table's rows in the window tests.

#include <QStringList>

#include "grid.h"

namespace abat::prueba {

// Row r's cells joined by '|'.
inline QString fila(const Grid& g, int r) {
    QStringList celdas;
    for (int c = 0; c < g.Cols(); ++c) celdas << QString::fromStdString(g.TextMatrix(r, c));
    return celdas.join('|');
}

}  // namespace abat::prueba
