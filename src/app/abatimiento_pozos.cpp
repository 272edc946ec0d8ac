#include "app/abatimiento_pozos.h"

#include <QAction>

#include "adaptadores/cursor_espera.h"
#include "calc/campo_pozos.h"
#include "calc/niveles_pozos.h"
#include "forms/texto_error.h"

namespace abat {

AbatimientoPozos::AbatimientoPozos(Ventanas& v, Asistente& asistente)
    : v_(v), asistente_(asistente) {
    connect(v_.principal.accion("accionAbatimientoPozos"), &QAction::triggered, this,
            &AbatimientoPozos::abrir);
    connect(&asistente_, &Asistente::calculoTerminado, this, &AbatimientoPozos::seguir);
}

void AbatimientoPozos::abrir() {
    v_.principal.mostrarVentana(v_.abatimientoPozos);
    calcular();
}

void AbatimientoPozos::seguir() {
    if (v_.abatimientoPozos->isVisible()) calcular();
}

// From the results' own data, the wells' losses admitted with them; an error said as the
// results say theirs.
void AbatimientoPozos::calcular() {
    frmAbatimientoPozos* ventana = v_.abatimientoPozos;
    const std::shared_ptr<const Calculo> calculo = asistente_.calculo();
    if (!calculo) {
        ventana->vaciar(
            QStringLiteral("No hay resultados: calcule antes los abatimientos, y "
                           "el nivel en los pozos se calcula al tiempo de bombeo."));
        return;
    }
    const DatosCalculo& datos = *calculo->datos;
    try {
        const CursorDeEspera espera;
        const CampoPozos campo(datos);
        ventana->mostrar(datos, niveles_pozos(campo), sin_radio(datos));
    } catch (const ErrorCalculo& error) {
        ventana->vaciar(texto_error(error));
    }
}

}  // namespace abat
