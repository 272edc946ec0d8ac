#pragma once
// A reader's result as the tests compare it: the value, or none when it was refused.

#include <optional>

#include "model/rechazo.h"

namespace abat::prueba {

template <typename T>
std::optional<T> valor_de(const Resuelto<T>& r) {
    return r ? std::optional<T>(*r) : std::nullopt;
}

}  // namespace abat::prueba
