#include "curvas.h"

#include "curva_tiempo.h"
#include "frmCurvaTiempo.h"
#include "informe_error.h"

namespace abat {

void Curvas::nuevoCalculo(std::shared_ptr<const DatosCalculo> datos) {
    cerrar();
    datos_ = std::move(datos);
}

void Curvas::abrir(int fila) {
    if (!datos_ || fila < 1 || fila > static_cast<int>(datos_->puntos.size())) return;
    for (const auto& [f, w] : ventanas_) {
        if (f == fila && !w.isNull()) {
            principal_.mostrar(w);
            return;
        }
    }
    const Punto& p = datos_->puntos[static_cast<size_t>(fila - 1)];
    auto informar = [this](const ErrorCalculo& e) { informar_error(dialogos_, e); };
    try {
        auto* ventana = new frmCurvaTiempo(
            contenido_curva(curva_tiempo(*datos_, p.x, p.y), p.nombre, datos_->pozos), dialogos_,
            informar);
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
