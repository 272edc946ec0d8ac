#pragma once
// A pumping schedule's table: "Desde[unit]" and "Caudal[m3/s]", a step a row. The first row is the
// rate from 0 on: its time, 0, is never edited nor removed; its rate is. The same table serves a
// well's schedule, in days, and any other schedule in the time unit of its own window.

#include <string>
#include <vector>

#include "forms/tabla_celdas.h"
#include "model/registros.h"

namespace abat {

class TablaEtapas : public TablaCeldas {
  public:
    // `unidad`: the unit of the times, as the heading shows it ("días", "min").
    TablaEtapas(const std::string& unidad, Dialogos& dialogos, QWidget* parent);

    // The first row's rate, and the steps after it, as the cells hold them.
    std::string caudal();
    std::vector<EtapaTexto> etapas();
    void setEtapas(const std::string& caudal, const std::vector<EtapaTexto>& etapas);
    // A step after the last, its time then edited.
    void agregarEtapa();
    // The current step, never the first row; the last step when the current cell is on none.
    void quitarEtapa();
};

}  // namespace abat
