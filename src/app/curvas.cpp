#include "curvas.h"

#include "curva_tiempo.h"
#include "filas.h"
#include "frmCurvaTiempo.h"
#include "informe_error.h"
#include "numeros.h"

namespace abat {

const DatosCalculo& Curvas::nuevoCalculo(DatosCalculo datos, const Grid& pozos,
                                         const Grid& puntos) {
    cerrar();
    datos_ = std::move(datos);
    pozos_.clear();
    for (int k = 1; k <= record_count(pozos); ++k) pozos_.push_back(pozos.TextMatrix(k, 1));
    puntos_.clear();
    for (int j = 1; j <= record_count(puntos); ++j) {
        puntos_.push_back({puntos.TextMatrix(j, 1), leading_number(puntos.TextMatrix(j, 2)),
                           leading_number(puntos.TextMatrix(j, 3))});
    }
    return datos_;
}

void Curvas::abrir(int fila) {
    if (fila < 1 || fila > static_cast<int>(puntos_.size())) return;
    for (const auto& [f, w] : ventanas_) {
        if (f == fila && !w.isNull()) {
            principal_.mostrar(w);
            return;
        }
    }
    const Punto& p = puntos_[static_cast<size_t>(fila - 1)];
    auto informar = [this](const ErrorCalculo& e) { informar_error(dialogos_, e); };
    try {
        auto* ventana = new frmCurvaTiempo(
            contenido_curva(curva_tiempo(datos_, p.x, p.y), p.nombre, pozos_), dialogos_, informar);
        ventanas_.emplace_back(fila, ventana);
        principal_.abrirVentana(ventana);
    } catch (ErrorCalculo& e) {
        e.punto = fila;
        informar(e);
    }
}

std::vector<QWidget*> Curvas::abiertas() const {
    std::vector<QWidget*> v;
    for (const auto& [fila, w] : ventanas_) {
        if (!w.isNull()) v.push_back(w);
    }
    return v;
}

void Curvas::cerrar() {
    for (QWidget* w : abiertas()) principal_.cerrarVentana(w);
    ventanas_.clear();
}

}  // namespace abat
