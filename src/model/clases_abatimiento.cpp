#include "model/clases_abatimiento.h"

namespace abat {

int clase_de(double abat) {
    for (int k = 1; k < numero_clases; ++k) {
        if (abat <= 10.0 * k) return k;
    }
    return numero_clases;
}

}  // namespace abat
