#pragma once
// The drawdown engine: all the wells of a calculation at many places at once, in vectors and on
// all cores. Its values lie within a known bound of the exact path's (abatimiento_punto,
// abatimiento_pozo): 1e-12 of each well's share, plus the rounding of the sum. Where a value
// could not be vouched for (a place on a well, an overflow, data out of any physical range), the
// exact path computes it and raises its very error.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

#include "calc/datos_calculo.h"
#include "calc/funcion_pozo.h"
#include "calc/nucleo_simd.h"
#include "model/errores.h"
#include "model/rejilla.h"

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
    // With steps or boundaries, each well's sum of the sizes of what it adds (its steps and their
    // images): the scale of its rounding.
    std::vector<double> tamanos = {};
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

    // The totals at every node of `malla` (row after row, as its valores), NaN beyond the
    // aquifer, as totales_en_el_acuifero gives them; but the sources far from the grid may be
    // summed at Chebyshev points of its box and interpolated (fuentes_lejanas.h), each bound then
    // growing by what that may add, at most tolerancia_lejanas.
    Totales totales_rejilla(double tiempo, const Rejilla& malla) const;

    Partes partes(double tiempo, double x, double y) const;
    // Well k's share from `p` where its four-decimal text cannot differ from the exact path's
    // (format_4dec, valor_4dec); otherwise, or where left to it, the exact path's value or
    // error (the caller names the well).
    double parte_4dec(const Partes& p, size_t k) const;

    const DatosCalculo& datos() const { return datos_; }

  private:
    struct Instante;  // the wells the engine adds up at one time
    std::shared_ptr<const Instante> instante(double tiempo) const;
    double v_de(double c) const;
    uint32_t grupo_de(Instante& in, double c, std::unordered_map<double, uint32_t>& grupos) const;
    std::shared_ptr<const Instante> construir(double tiempo) const;
    std::optional<EscalaU> escala(double tiempo) const;
    std::shared_ptr<const Instante> instante_o_error(double tiempo, Totales& t) const;
    void sumar(const Instante& in, const PozosVector& pozos, std::span<const double> x,
               std::span<const double> y, unsigned hilos, Totales& t) const;
    void sumar_repartidas(const Instante& in, const Rejilla& malla, std::span<const double> x,
                          std::span<const double> y, const std::vector<size_t>& dentro,
                          Totales& t) const;
    void sumar_serie(const Instante& in, std::span<const double> x, std::span<const double> y,
                     Totales& t) const;
    void resolver(const Instante& in, std::span<const double> x, std::span<const double> y,
                  Totales& t) const;

    const DatosCalculo& datos_;
    FuncionPozo funcion_;       // the aquifer's well function
    bool solo_pozos_ = true;    // without steps and boundaries: the wells alone, at every time
    PozosVector pozos_;         // then, as the loops read them
    bool todo_exacto_ = false;  // data out of the ranges the engine vouches for
    double suma_k_ = 0.0;       // the sum of the wells' |k|, m
    mutable std::mutex ultimo_mutex_;
    mutable std::shared_ptr<const Instante> ultimo_;  // the last time asked for
};

// The total drawdown at each place after `tiempo` days; raises the first failing place's error.
std::vector<double> abatimientos(const CampoPozos& campo, double tiempo, std::span<const double> x,
                                 std::span<const double> y);

// The totals at the places inside the aquifer; NaN, with no error, at those beyond its boundaries,
// where there is no aquifer. An error ends the values as in CampoPozos::totales.
Totales totales_en_el_acuifero(const CampoPozos& campo, double tiempo, std::span<const double> x,
                               std::span<const double> y);

// Whether a value lies within `cota` of a rounding tie of the four-decimal text, or is too large
// for the text to hold its decimals. Below 1e5 m, a value further than its bound plus 1e-3 from a
// half ten-thousandth rounds as the exact one: valor_4dec rounds both in binary, and format_4dec's
// 15 significant digits move the tie by less than 1e-5 of a ten-thousandth. Inline: it is asked
// once for every share of every point.
inline bool cerca_de_redondeo(double valor, double cota) {
    const double diezmilesimas = std::fabs(valor) * 1e4;
    if (!(diezmilesimas < 1e9)) return true;
    const double fraccion =  // the integer part exact, with no call to the maths library
        diezmilesimas - static_cast<double>(static_cast<int64_t>(diezmilesimas));
    return std::fabs(fraccion - 0.5) <= 1e-3 + cota * 1e4;
}

}  // namespace abat
