#pragma once
// The columns of the wells and points tables. Column 0 of each holds the record's number.

namespace abat {

inline constexpr int columna_nombre = 1;  // in both tables

namespace columna_pozo {
inline constexpr int nombre = columna_nombre;
inline constexpr int diametro = 2;  // m, leading-number rule
inline constexpr int gasto = 3;     // m3/s, strict rule
inline constexpr int x = 4;         // m, leading-number rule
inline constexpr int y = 5;
inline constexpr int columnas = 6;
}  // namespace columna_pozo

namespace columna_punto {
inline constexpr int nombre = columna_nombre;
inline constexpr int x = 2;  // m, leading-number rule
inline constexpr int y = 3;
inline constexpr int columnas = 4;
}  // namespace columna_punto

}  // namespace abat
