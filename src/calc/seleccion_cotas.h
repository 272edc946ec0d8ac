#pragma once
// Sources taken apart by the size of their bounds: the images left out of a sum, the far sources
// of a map interpolated instead of summed. Those of the smallest bounds are chosen while the bounds
// add up to at most a budget, in linear time: the bounds are gathered by binary exponent, where
// sorting them took longer than the rest of the choice for a field of many images.

#include <array>
#include <cstddef>

namespace abat {

class SeleccionPorCotas {
  public:
    // A source's bound, m; an infinite or NaN one is never chosen.
    void contar(double cota);
    // The sources chosen: whole exponents of bounds, the smallest first, while their bounds add up
    // to at most `presupuesto`. Gives what they add up to.
    double decidir(double presupuesto);
    // Whether a source of this bound is among those chosen, once decided.
    bool elegida(double cota) const;
    // How many were chosen.
    size_t elegidas() const { return elegidas_; }

  private:
    static constexpr size_t exponentes = 2100;  // of every finite double's bound, 0 among them
    static size_t exponente(double cota);       // exponentes for a bound never chosen

    std::array<double, exponentes> suma_{};
    std::array<size_t, exponentes> cuenta_{};
    size_t hasta_ = 0;  // the exponents below it are chosen
    size_t elegidas_ = 0;
};

}  // namespace abat
