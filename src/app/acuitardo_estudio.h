#pragma once
// The command of the aquitard: "Análisis > Acuitardo…" opens its window aside from the walk;
// what its "Actualizar" admits comes in through the one way in, and the results follow.

#include <QObject>

#include "app/asistente.h"
#include "app/estudios.h"
#include "app/ventanas.h"

namespace abat {

class AcuitardoDelEstudio : public QObject {
    Q_OBJECT
  public:
    AcuitardoDelEstudio(Ventanas& v, Asistente& asistente, Estudios& estudios);

  private:
    void tomar(const QString& texto);
    void mostrarTransmisividad() const;

    Ventanas& v_;
    Asistente& asistente_;
    Estudios& estudios_;
};

}  // namespace abat
