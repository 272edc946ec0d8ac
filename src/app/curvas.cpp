#include "app/curvas.h"

#include "app/informe_error.h"
#include "calc/curva_tiempo.h"

namespace abat {

void Curvas::nuevoCalculo(std::shared_ptr<const DatosCalculo> datos) {
    datos_ = std::move(datos);
}

ContenidoCurva Curvas::contenido(int fila) const {
    const Punto& p = datos_->puntos[static_cast<size_t>(fila - 1)];
    try {
        return contenido_curva(curva_tiempo(*datos_, p.x, p.y), p.nombre, datos_->pozos);
    } catch (ErrorCalculo& e) {
        e.punto = fila;
        throw;
    }
}

bool Curvas::redibujar(int fila, frmCurvaTiempo& ventana) const {
    if (fila > static_cast<int>(datos_->puntos.size())) return false;
    try {
        ventana.mostrar(contenido(fila));
        return true;
    } catch (const ErrorCalculo&) {
        return false;
    }
}

void Curvas::seguirResultados() {
    for (const auto& [fila, ventana] : ventanas_) {
        if (!ventana.isNull() && !redibujar(fila, *ventana)) principal_.cerrarVentana(ventana);
    }
}

void Curvas::abrir(int fila) {
    if (!datos_ || fila < 1 || fila > static_cast<int>(datos_->puntos.size())) return;
    for (const auto& [f, w] : ventanas_) {
        if (f == fila && !w.isNull()) {
            principal_.mostrar(w);
            return;
        }
    }
    try {
        auto* ventana = new frmCurvaTiempo(contenido(fila), dialogos_);
        ventanas_.emplace_back(fila, ventana);
        principal_.abrirVentana(ventana);
    } catch (const ErrorCalculo& e) {
        informar_error(dialogos_, e);
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
