#include "calc/pozos_vector.h"

namespace abat {

void PozosVector::agregar(double px, double py, double r2, double kp) {
    x.push_back(px);
    y.push_back(py);
    r2_min.push_back(r2);
    k.push_back(kp);
    n = x.size();
}

void PozosVector::agregar(double px, double py, double r2, double kp, const EscalaU& escala) {
    agregar(px, py, r2, kp);
    c.push_back(escala.c);
    u_min.push_back(escala.u_min);
    u_max.push_back(escala.u_max);
}

void PozosVector::rellenar() {
    const size_t largo = (n + relleno_pozos - 1) / relleno_pozos * relleno_pozos;
    x.resize(largo, 0.0);
    y.resize(largo, 0.0);
    r2_min.resize(largo, 1.0);
    k.resize(largo, 0.0);
    if (!grupo.empty()) grupo.resize(largo, 0);
    if (c.empty()) return;
    c.resize(largo, 1.0);
    u_min.resize(largo, 0.0);
    u_max.resize(largo, 1.0);
}

}  // namespace abat
