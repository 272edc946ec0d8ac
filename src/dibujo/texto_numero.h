#pragma once
// A number as the windows and pictures show it: as short as reads back the same, decimal point.

#include <QString>

#include "model/numeros.h"

namespace abat {

inline QString texto_numero(double v) {
    return QString::fromStdString(number_to_text(v));
}

}  // namespace abat
