#pragma once
// A strip's, a closed strip's and a rectangle's drawdown at long times, where their images would
// be millions: the series of the aquifer's own modes in time.
//
// A well of rate Q pumping for t seconds draws the aquifer down by (Q / S) times the integral over
// 0 < tau < t of the heat kernel between it and the place, with D = T / S. Between parallel lines
// that kernel is a product of one per direction, and each is either a sum of images (Gaussians of
// width sqrt(D tau): few while tau is short) or a sum of modes decaying as exp(-D q^2 tau) (few
// once tau is long): cosines across a barrier, sines across a recharge line, half-integer
// wavenumbers where the two lines differ, and a constant mode between two barriers, which never
// decays (the aquifer empties: no steady state). The integral is split at tiempo_de_corte: up to
// it, the images with the program's W, as ever (pozos_virtuales.h); beyond it, the modes, whose
// integral has a closed form: in a rectangle (exp(-D q^2 tau*) - exp(-D q^2 t)) / (D q^2) for each
// pair of modes, and across a strip's open direction, which has no modes, erfc's of the distance
// along it. A step shorter than the split time is images alone, and a step's share is continuous
// there: what the series adds from tau* on starts at 0.
//
// A leaky aquifer's kernel is the same times exp(-D tau / B^2), what leakage takes: each mode
// decays by that too, the constant one included (a leaky box has a steady state), the images up
// to the split time are summed with W(u, r / B), and the program's departure from E1 below is
// Theis's alone. The bounds below, which leave that factor out, hold for it as well.
//
// The modes kept: those whose neglect could add more than `tolerancia` anywhere are kept, by the
// bound |mode| <= 2 / L of each direction (the modes' values are at most 1), the time integral at
// most exp(-D q^2 tau*) / (D q^2), over the sum of the sources' |Q| / S; the tails of the sums over
// modes bounded by geometric series, their ratios falling.
//
// The program's W is not E1: below u_cruce it is the six-term series with Euler's constant to six
// decimals, some 3.4e-7 below E1. A sum of the program's W over every image adds that difference
// once for each image within u < u_cruce, millions of them at long times; where barriers face each
// other that adds up without end (in a closed box it takes 1e-7 of the drawdown, 4.5e-4 m in a
// strip of 250 m after a century), elsewhere the signs cancel. That share is added here as what it
// tends to, the zero frequency of its image lattice (an integral over the plane in a box, along the
// strip across one). What remains between the series and the sum of the program's W over every
// image is that departure over the images near a place, less its zero frequency: not a truncation,
// and not bounded here; over 60 arrangements drawn at random it came to at most 2.2e-6 of the
// well's Q / (4 pi T) (9e-7 m for 0.05 m3/s in T = 0.01 m2/s).

#include <cstddef>
#include <span>
#include <vector>

#include "calc/contorno.h"
#include "model/acuifero.h"

namespace abat {

// The pumping time, in days, beyond which a strip's, closed strip's or rectangle's sources are
// images up to it and modes after it; infinite for the other arrangements, or where T and S are
// not both positive with a finite ratio.
double tiempo_de_corte(const Contorno& contorno, const Acuifero& acuifero);

// A well's step pumping longer than the split time.
struct FuenteSerie {
    size_t pozo = 0;      // the well it belongs to, from 0
    double k = 0.0;       // its change of rate / (4 pi T), m
    double x = 0.0;       // m
    double y = 0.0;       // m
    double bombeo = 0.0;  // its pumping time, days, beyond the split time
};

// The series' share of the drawdown after the split time: the wells' (total) or one's (parte).
class Autofunciones {
  public:
    Autofunciones(Contorno contorno, const Acuifero& acuifero, double corte,
                  std::vector<FuenteSerie> fuentes, size_t pozos, double tolerancia);

    // What the modes left out may add anywhere in the aquifer, m.
    double cota() const { return cota_; }
    // What a place costs, in well-place evaluations of the engine's loops, roughly.
    double coste() const;

    // Unchecked: not finite where it overflows.
    double total(double x, double y) const;
    double parte(size_t pozo, double x, double y) const;
    // The total, or the overflow naming the first well at which the wells' shares, added in
    // their order, leave what a double holds.
    double total_comprobado(double x, double y) const;
    double parte_comprobada(size_t pozo, double x, double y) const;
    // The totals at many places (not finite where they overflow), on all cores; gives at most what
    // each may differ from total() there: across a strip, where the places are many, its modes
    // along it are read from Chebyshev points of the places' span, within `tolerancia`.
    double totales(std::span<const double> x, std::span<const double> y, std::span<double> valores,
                   double tolerancia) const;

  private:
    struct Eje {
        double L = 0.0;
        bool seno = false;   // sines: a recharge line at 0
        double theta = 0.0;  // 1/2 where the two lines differ
        int primero = 0;     // 1 between two recharge lines (no constant mode)
        bool constante() const { return !seno && theta == 0; }
        double q(int j) const;     // the wavenumber of the j-th mode kept, 1/m
        double peso(int j) const;  // its normalisation, 2 / L (1 / L the constant mode)
        void valores(double coordenada, int n, double* v) const;
    };

    [[noreturn]] void desborde(size_t pozo) const;
    double xi(double x, double y) const;
    double eta(double x, double y) const;
    void elegir_modos(double tolerancia);
    void preparar_rectangulo();
    double rectangulo(const std::vector<double>& a, double x, double y) const;
    double franja(size_t desde, size_t hasta, double x, double y) const;
    double modo_a_lo_largo(size_t s, size_t j, double eta) const;
    double desvio_franja(size_t s, double eta) const;
    int grado_a_lo_largo(double desde, double hasta, double tolerancia, double& cota) const;

    Contorno contorno_;
    Acuifero acuifero_;
    double D_ = 0.0;                    // m2/s
    double fuga_ = 0.0;                 // 1/s: a leaky aquifer's decay by leakage, D / B^2
    double corte_ = 0.0;                // s
    std::vector<FuenteSerie> fuentes_;  // by well, in the wells' order
    std::vector<size_t> inicio_;        // well k's are fuentes_[inicio_[k]] to [inicio_[k + 1])
    Eje ex_;
    Eje ey_;
    int mx_ = 0;  // modes kept along each axis
    int my_ = 0;
    std::vector<std::vector<double>> a_pozo_;  // a rectangle: each well's amplitudes, mx_ * my_
    std::vector<double> a_total_;
    std::vector<double> fase_;  // a strip: each source's modes at its place, times their weights
    std::vector<double> eta_;   // and its place along the strip
    struct Desvio {
        double k;        // k / L
        double ancho;    // sqrt(4 D t), m
        double inverso;  // its inverse squared
    };
    std::vector<Desvio> desvio_;  // each source's, between two barriers
    double raiz_ = 0.0;           // sqrt(4 pi D)
    double ancho_corte_ = 0.0;    // sqrt(4 D tau*)
    double cota_ = 0.0;
    size_t modos_ = 0;
};

}  // namespace abat
