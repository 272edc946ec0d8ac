#pragma once
// The water level inside every pumping well at the pumping time: its own drawdown at its radius,
// the interference of every other well and image at its centre, and its loss through the screen.

#include <optional>
#include <string>
#include <vector>

#include "calc/campo_pozos.h"
#include "calc/perdidas_pozo.h"

namespace abat {

struct NivelPozo {
    double radio = 0;  // half the diameter, m
    // Its share as the results give it (its steps, its images across the boundaries), at its
    // radius; none without a radius.
    std::optional<double> propio;
    std::optional<double> interferencia;  // every other well and image at its centre, m
    double perdidas = 0;                  // C·Qⁿ at its rate then, m
    std::optional<double> total() const {
        if (!propio || !interferencia) return std::nullopt;
        return *propio + *interferencia + perdidas;
    }
};

// One a well, in the wells' order, with the losses of the field's data. The interference is the
// field's own sum at the wells' places. Raises ErrorCalculo as the results do, naming the well.
std::vector<NivelPozo> niveles_pozos(const CampoPozos& campo);

// "El pozo 2 «P2» no tiene diámetro: …" for each well without a radius; empty when all have one.
std::string sin_radio(const DatosCalculo& datos);

}  // namespace abat
