#pragma once
// What a table keeps beside its rows (a well's schedule, its loss), by each row's key: each follows
// its row through every addition and removal. T{} is none.

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "model/filas.h"
#include "model/grid.h"

namespace abat {

template <typename T>
class DatosPorFila {
  public:
    explicit DatosPorFila(const Grid& tabla) : tabla_(tabla) {}

    T de(int fila) const {
        const auto d = datos_.find(tabla_.clave(fila));
        return d == datos_.end() ? T{} : d->second;
    }

    // Every row's, in the rows' order, none after the last row that has one.
    std::vector<T> todos() const {
        std::vector<T> todos;
        if (datos_.empty()) return todos;
        for (int fila = 1; fila <= record_count(tabla_); ++fila) {
            T d = de(fila);
            if (d == T{}) continue;
            todos.resize(static_cast<size_t>(fila));
            todos.back() = std::move(d);
        }
        return todos;
    }

    // In place of all: the rows beyond `datos` have none. Rows that are no longer records take
    // nothing with them into a record they may become.
    void poner(const std::vector<T>& datos) {
        datos_.clear();
        for (size_t k = 0; k < datos.size() && static_cast<int>(k) < record_count(tabla_); ++k) {
            if (!(datos[k] == T{})) datos_[tabla_.clave(static_cast<int>(k) + 1)] = datos[k];
        }
    }

  private:
    const Grid& tabla_;
    std::unordered_map<uint64_t, T> datos_;
};

}  // namespace abat
