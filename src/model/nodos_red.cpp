#include "model/nodos_red.h"

#include <algorithm>
#include <stdexcept>

namespace abat {

cRedG& colRed::Add(double x, double y, double abat, const std::string& sKey) {
    if (!sKey.empty() && std::find(claves_.begin(), claves_.end(), sKey) != claves_.end()) {
        throw std::invalid_argument("clave repetida");
    }
    cRedG& nodo = nodos_.emplace_back();
    nodo.setX(x);
    nodo.setY(y);
    nodo.setAbat(abat);
    claves_.push_back(sKey);
    return nodo;
}

size_t colRed::posicion(long index) const {
    if (index < 1 || index > Count()) throw std::out_of_range("elemento inexistente");
    return static_cast<size_t>(index - 1);
}

size_t colRed::posicion(const std::string& key) const {
    const auto it = key.empty() ? claves_.end() : std::find(claves_.begin(), claves_.end(), key);
    if (it == claves_.end()) throw std::out_of_range("clave inexistente");
    return static_cast<size_t>(it - claves_.begin());
}

cRedG& colRed::Item(long index) {
    return nodos_[posicion(index)];
}
cRedG& colRed::Item(const std::string& key) {
    return nodos_[posicion(key)];
}

void colRed::Remove(long index) {
    const auto i = static_cast<std::ptrdiff_t>(posicion(index));
    nodos_.erase(nodos_.begin() + i);
    claves_.erase(claves_.begin() + i);
}

void colRed::Remove(const std::string& key) {
    Remove(static_cast<long>(posicion(key)) + 1);
}

}  // namespace abat
