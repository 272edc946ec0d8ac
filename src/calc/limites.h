#pragma once
// The aquifer's boundaries read from their texts, arranged and checked against the wells and the
// points of a calculation (contorno.h), each refusal in the user's words, naming the line.

#include <vector>

#include "calc/contorno.h"
#include "model/rechazo.h"
#include "model/registros.h"

namespace abat {

// How far two lines' directions may part from parallel, perpendicular or 180°/n and still be
// taken as such: 0.03°, a metre across three kilometres. The images take the angle as exact.
inline constexpr double tolerancia_angular = 5e-4;  // rad

// The boundaries as the calculation takes them, read from their texts with the strict rule; or why
// they are refused, naming the line ("la línea 2").
Resuelto<std::vector<Limite>> leer_limites(const std::vector<LimiteTexto>& textos);

// The arrangement of the lines with the aquifer on the side of the first well, or why it is not
// one of the arrangements of contorno.h, naming the lines (or the first well, when it lies on one).
Resuelto<Contorno> clasificar_limites(const std::vector<Limite>& limites, const Pozo& primero);

// The boundaries of the texts with the wells and points of a calculation: read, arranged, every
// well and point inside; or why not (the first reason found, naming the well or point). Without
// boundaries, or without wells, the aquifer has no bounds.
Resuelto<Contorno> admitir_limites(const std::vector<LimiteTexto>& textos,
                                   const std::vector<Pozo>& pozos,
                                   const std::vector<Punto>& puntos);

}  // namespace abat
