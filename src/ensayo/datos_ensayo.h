#pragma once
// A pumping test read once from its texts into numbers, times in seconds, as the fits take it;
// or why it cannot be, in Spanish.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ensayo.h"
#include "model/rechazo.h"

namespace abat {

struct Piezometro {
    std::string nombre;
    double r = 0;  // distance to the pumped well, m
};

struct MedidaEnsayo {
    size_t piezometro = 0;  // its observation well, in DatosEnsayo::piezometros
    double t = 0;           // since the pump started, s
    double s = 0;           // drawdown, m
    int numero = 0;         // the reading's row in the table, from 1
};

// From `desde` [s] on, the pumped well gives `Q` [m3/s]; or, as a change of rate, Q is the change.
struct EtapaEnsayo {
    double desde = 0;
    double Q = 0;
};

struct DatosEnsayo {
    double Q = 0;                         // m3/s, from 0 on
    std::vector<EtapaEnsayo> etapas;      // the rate's steps after the first, each after the last
    std::optional<double> fin;            // when the pump stopped, s; none: it ran throughout
    double segundos = 60;                 // of one unit of the test's times
    std::vector<Piezometro> piezometros;  // in the order they first appear
    std::vector<MedidaEnsayo> medidas;    // the readings in the fit
    // The readings left out of the fit that read as numbers, each by its observation well's name
    // among `piezometros` when it has one there (SIZE_MAX otherwise): they are drawn greyed.
    std::vector<MedidaEnsayo> excluidas;
    // The readings in the fit at t = 0, left out by themselves: a logger's first line, at the
    // start, where Theis's drawdown is 0 and its logarithm of time has no place.
    int al_comienzo = 0;

    bool recuperando(const MedidaEnsayo& m) const { return fin && m.t > *fin; }
    // The rate at `t` [s]: its step's, 0 after the stop.
    double caudal_en(double t) const;
    // What the drawdown superposes: the rate from 0 on, each step's change from its start and,
    // after the stop, the last rate taken away, in order.
    std::vector<EtapaEnsayo> cambios() const;
};

// Seconds in one unit of the window's ("s", "min", "h", "días"); 0 for another text.
double segundos_por_unidad(std::string_view unidad);

// The readings in the fit must each read as numbers (decimal comma or point), at a distance above
// 0 and a time not below 0 (at 0 it is left out and counted), and an observation well's name must
// name one distance. Refused: no rate, a
// rate that is not a positive number, a stop that is not a time after the start, a step that is
// not read as a well's schedule is or begins after the stop, a reading in the fit that breaks
// those rules: the refusal says which and why.
Resuelto<DatosEnsayo> leer_ensayo(const EnsayoTexto& ensayo);

// A text read as a number, a decimal comma taken for the point; none when it is not one.
std::optional<double> numero_ensayo(const std::string& texto);

}  // namespace abat
