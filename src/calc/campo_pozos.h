#pragma once
// The drawdown engine: all the wells of a calculation at many places at once, in vectors and on
// all cores. Its values lie within a known bound of the exact path's (abatimiento_punto,
// abatimiento_pozo): 1e-12 of each well's share, plus the rounding of the sum. Where a value
// could not be vouched for (a place on a well, an overflow, data out of any physical range), the
// exact path computes it and raises its very error.

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "calc/datos_calculo.h"
#include "calc/nucleo_simd.h"
#include "model/errores.h"

namespace abat {

// The total drawdown at each of a list of places.
struct Totales {
    std::vector<double> valores;  // m, in the places' order
    std::vector<double> cotas;    // m: |valor - abatimiento_punto| <= cota; 0 where it is exact
    // The error of the first place that fails, naming its well and the place as `nodo`;
    // `valores` then ends before that place.
    std::optional<ErrorCalculo> error;
};

// Each well's drawdown at one place.
struct Partes {
    double tiempo = 0.0;  // days
    double x = 0.0;       // m
    double y = 0.0;
    std::vector<double> valores;  // m, in the wells' order; NaN where left to the exact path
};

class CampoPozos {
  public:
    // The wells of `datos`, which must outlive the field.
    explicit CampoPozos(const DatosCalculo& datos);
    explicit CampoPozos(DatosCalculo&&) = delete;  // a temporary would not outlive it

    // The total at each place (x[i], y[i]) after `tiempo` days, on `hilos` threads (0: as many
    // as the work is worth). x and y are as long.
    Totales totales(double tiempo, std::span<const double> x, std::span<const double> y,
                    unsigned hilos = 0) const;

    Partes partes(double tiempo, double x, double y) const;
    // Well k's share from `p` where its four-decimal text cannot differ from the exact path's
    // (format_4dec, valor_4dec); otherwise, or where left to it, the exact path's value or
    // error (the caller names the well).
    double parte_4dec(const Partes& p, size_t k) const;

    const DatosCalculo& datos() const { return datos_; }

  private:
    std::optional<EscalaU> escala(double tiempo) const;
    void resolver(double tiempo, std::span<const double> x, std::span<const double> y,
                  Totales& t) const;

    const DatosCalculo& datos_;
    PozosVector pozos_;
    bool todo_exacto_ = false;  // data out of the ranges the engine vouches for
    double suma_k_ = 0.0;       // the sum of the wells' |k|, m
};

// The total drawdown at each place after `tiempo` days; raises the first failing place's error.
std::vector<double> abatimientos(const CampoPozos& campo, double tiempo, std::span<const double> x,
                                 std::span<const double> y);

// Whether a value lies within `cota` of a rounding tie of the four-decimal text, or is too large
// for the text to hold its decimals.
bool cerca_de_redondeo(double valor, double cota);

}  // namespace abat
