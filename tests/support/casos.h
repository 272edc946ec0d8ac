#pragma once
// GoogleTest's data tables: each case a tuple whose first element is its name (letters, digits and
// underscores), so that a failure names its case and `--gtest_filter=*/nombre` runs it alone.

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace abat::prueba {

template <typename... Datos>
using Tabla = testing::TestWithParam<std::tuple<const char*, Datos...>>;

inline const auto por_nombre = [](const auto& caso) {
    return std::string(std::get<0>(caso.param));
};

}  // namespace abat::prueba
