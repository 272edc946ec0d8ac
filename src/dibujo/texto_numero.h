#pragma once
// A number as the windows and pictures show it: as short as reads back the same, decimal point.

#include <QString>

#include "model/numeros.h"

namespace abat {

inline QString texto_numero(double v) {
    return QString::fromStdString(number_to_text(v));
}

// A time in days as a sentence says it: "1 día", "30 días", "0.5 días".
inline QString texto_dias(double dias) {
    return texto_numero(dias) + (dias == 1 ? QStringLiteral(" día") : QStringLiteral(" días"));
}

}  // namespace abat
