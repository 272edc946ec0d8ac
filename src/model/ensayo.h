#pragma once
// A pumping test as the user entered it: the rate, the unit of the times, when the pump stopped
// the rate's steps and the readings of the observation wells, texts exactly as typed, as the study
// file keeps them.

#include <array>
#include <string>
#include <vector>

#include "model/registros.h"

namespace abat {

// One reading: the observation well's name and distance to the pumped well [m], the time since
// the pump started (in the test's unit) and the drawdown [m].
struct MedidaTexto {
    std::string piezometro;
    std::string r;
    std::string t;
    std::string s;
    bool excluida = false;  // left out of the fit
    bool operator==(const MedidaTexto&) const = default;
};

// The units the times may be given in, as the window offers them; minutes by default, as tests
// are read.
inline constexpr std::array<const char*, 4> unidades_tiempo = {"s", "min", "h", "días"};
inline constexpr const char* unidad_tiempo_inicial = "min";

struct EnsayoTexto {
    std::string caudal;  // m3/s
    std::string unidad_tiempo = unidad_tiempo_inicial;
    std::string fin_bombeo;  // in that unit; empty while the pump ran throughout
    std::vector<MedidaTexto> medidas;
    // The rate's steps after the first (`caudal` from 0 on), "desde" in the test's unit.
    std::vector<EtapaTexto> etapas;
    // The name of the study's well the test was made in; empty: none named.
    std::string pozo;

    // Nothing entered: a study without a test.
    bool vacio() const { return *this == EnsayoTexto{}; }
    bool operator==(const EnsayoTexto&) const = default;
};

}  // namespace abat
