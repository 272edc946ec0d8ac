#include "informe/reparto_columnas.h"

#include <algorithm>

namespace abat {

std::vector<std::vector<int>> repartir_columnas(int columnas, int fijas, bool total, int caben) {
    fijas = std::clamp(fijas, 0, columnas);
    const int ultima = total && columnas > fijas ? columnas - 1 : columnas;  // past the middle
    caben = std::max(caben, fijas + 1 + (total ? 1 : 0));
    std::vector<std::vector<int>> partes;
    int siguiente = fijas;
    do {
        std::vector<int> parte(static_cast<size_t>(fijas));
        for (int c = 0; c < fijas; ++c) parte[static_cast<size_t>(c)] = c;
        const bool primera = partes.empty();
        const int sitio = caben - fijas - (primera && ultima < columnas ? 1 : 0);
        for (int n = 0; n < sitio && siguiente < ultima; ++n) parte.push_back(siguiente++);
        if (primera && ultima < columnas) parte.push_back(ultima);
        partes.push_back(std::move(parte));
    } while (siguiente < ultima);
    return partes;
}

}  // namespace abat
