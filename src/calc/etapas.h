#pragma once
// A well's pumping schedule: its own rate from 0 on, then steps, each from a time on at a rate of
// its own; a rate of 0 stops the well, a negative one injects.

#include <string>
#include <vector>

#include "model/rechazo.h"
#include "model/registros.h"

namespace abat {

// A well's steps after the first read by the strict rule, or why they cannot be taken: a time or
// a rate that is not a number, or a time not after the step before (the first step begins at 0).
// The steps are numbered as the schedule's table shows them, from 2; `unidad` is the times' unit,
// as the refusal names it.
Resuelto<std::vector<Etapa>> leer_etapas(const std::vector<EtapaTexto>& etapas,
                                         const std::string& unidad = "días");

// The steps of each well (`textos` shorter than `pozos` when the last wells have none), none after
// the last well that has some; or the first refusal, naming its well ("El pozo 3 «P3»: ...").
Resuelto<std::vector<std::vector<Etapa>>> admitir_etapas(
    const std::vector<std::vector<EtapaTexto>>& textos, const std::vector<Pozo>& pozos);

}  // namespace abat
