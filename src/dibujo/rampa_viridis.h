#pragma once
// The sequential colour ramp (viridis) of drawdowns, light for small and dark for large: the plan
// chart's seven classes and the map's bands read alike, each step apart from its neighbours, also
// for colour-blind readers.

#include <QColor>
#include <array>

namespace abat {

inline const std::array<QColor, 7> rampa_viridis = {
    QColor(0xFD, 0xE7, 0x25), QColor(0x8F, 0xD7, 0x44), QColor(0x35, 0xB7, 0x79),
    QColor(0x21, 0x90, 0x8C), QColor(0x31, 0x68, 0x8E), QColor(0x44, 0x3A, 0x83),
    QColor(0x44, 0x01, 0x54)};

}  // namespace abat
