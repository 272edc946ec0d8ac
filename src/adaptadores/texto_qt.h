#pragma once
// Texts between the tables' cells (UTF-8) and Qt's strings.

#include <QString>
#include <string_view>

namespace abat {

inline QString a_qstring(std::string_view texto) {
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

}  // namespace abat
