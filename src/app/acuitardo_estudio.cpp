#include "app/acuitardo_estudio.h"

#include <QAction>

#include "model/numeros.h"

namespace abat {

AcuitardoDelEstudio::AcuitardoDelEstudio(Ventanas& v, Asistente& asistente, Estudios& estudios)
    : v_(v), asistente_(asistente), estudios_(estudios) {
    connect(v_.principal.accion("accionAcuitardo"), &QAction::triggered, this,
            [this] { asistente_.mostrarAparte(v_.acuitardo); });
    connect(v_.acuitardo, &frmAcuitardo::actualizarPedido, this, &AcuitardoDelEstudio::tomar);
    connect(v_.caracteristicas, &frmCaracteristicas::editado, this,
            &AcuitardoDelEstudio::mostrarTransmisividad);
    mostrarTransmisividad();
}

void AcuitardoDelEstudio::tomar(const QString& texto) {
    Estudio e = estudios_.entradas();
    e.acuitardo =
        texto.trimmed().isEmpty() ? std::nullopt : std::optional<std::string>(texto.toStdString());
    estudios_.entrar(e, estudios_.sistema(), Entrada::cambio);
    asistente_.aparteAceptada(v_.acuitardo);
}

// The leakage factor follows the T typed in the aquifer's window.
void AcuitardoDelEstudio::mostrarTransmisividad() const {
    const LecturaEstricta T = leer_estricto(v_.caracteristicas->textoT().toStdString());
    v_.acuitardo->setTransmisividad(T.ok() && T.valor > 0 ? std::optional<double>(T.valor)
                                                          : std::nullopt);
}

}  // namespace abat
