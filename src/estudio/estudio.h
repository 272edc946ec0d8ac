#pragma once
// A study: everything the user entered, as the texts of the boxes and cells hold them, so that a
// study saved and opened again computes the same results.

#include <optional>
#include <string>
#include <vector>

#include "model/ensayo.h"
#include "model/registros.h"

namespace abat {

struct Estudio {
    std::string T;  // the aquifer's boxes: transmissivity and storage coefficient
    std::string S;
    std::vector<PozoTexto> pozos;
    std::vector<PuntoTexto> puntos;
    std::string tiempo;  // days
    // The coordinates' reference system as written ("EPSG:25830"); none: local coordinates.
    std::optional<std::string> crs;
    // The pumping test the aquifer may be fitted to; empty: none.
    EnsayoTexto ensayo;
    // The aquifer's boundaries, a line each; none: an aquifer without bounds.
    std::vector<LimiteTexto> limites = {};
    // Each well's pumping steps after the first (its own rate from 0 on); shorter than `pozos`
    // when the last wells have none, empty for a study without steps.
    std::vector<std::vector<EtapaTexto>> etapas = {};
    // Each well's loss C·Qⁿ, as `etapas` is kept: none after the last well that has one.
    std::vector<PerdidasTexto> perdidas = {};
    // The aquitard's resistance c in days, as typed; none (or empty): a confined aquifer.
    std::optional<std::string> acuitardo = std::nullopt;

    bool operator==(const Estudio&) const = default;
};

}  // namespace abat
