#include "calc/funcion_pozo.h"

#include <boost/math/special_functions/expint.hpp>
#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/funcion_hantush.h"
#include "calc/funcion_pozo_coeficientes.h"

namespace abat {

namespace {

// u^n rounded once to double from a product in extended precision: the value of pow(u, n) in all
// but about one case in a thousand (then one unit in the last place off, which never showed in W
// over ten million samples), at a tenth of its cost.
double potencia(double u, int n) {
    const auto base = static_cast<long double>(u);
    long double p = base;
    for (int i = 1; i < n; ++i) p *= base;
    return static_cast<double>(p);
}

// u^n as the series' terms take it: products in double up to the cube, as the drawdown's
// definition writes them, extended precision beyond.
double termino(double u, int n) {
    switch (n) {
        case 1:
            return u;
        case 2:
            return u * u;
        case 3:
            return u * u * u;
        default:
            return potencia(u, n);
    }
}

}  // namespace

double W_serie(double u) {
    double w = -euler - std::log(u);
    for (size_t i = 0; i < coef::divisores_serie.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        const double t = termino(u, n) / coef::divisores_serie[i];
        w = n % 2 == 1 ? w + t : w - t;
    }
    return w;
}

double E1(double u) {
    // Far from a well E1 falls below the smallest double: that is a drawdown of 0, not an error.
    // Computed in double precision, not promoted to long double: seven times faster, and still
    // within a few units in the last place.
    using politica = boost::math::policies::policy<
        boost::math::policies::promote_double<false>,
        boost::math::policies::underflow_error<boost::math::policies::ignore_error>>;
    return boost::math::expint(1, u, politica());
}

double u_por_derivada(double u) {
    if (u > u_cruce) return -std::exp(-u);
    double r = 0;  // Horner's rule over the series' derivative, highest power first
    for (const double c : coef::derivada_serie) r = r * u + c;
    return -1 + u * r;
}

double cota_w(double u) {
    if (!(u > 0)) return std::numeric_limits<double>::infinity();
    const double w = u > 1 ? std::exp(-u) * std::log1p(1 / u) : E1(u);
    return w * (1 + 1e-12);
}

FuncionPozo::FuncionPozo(const Acuifero& a) {
    // A resistance that is not positive, or T that is not, would give no B: such an aquifer
    // never reaches a calculation (the aquitard's box refuses it, T is checked first).
    if (a.c) B_ = std::sqrt(a.T * *a.c * segundos_por_dia);
}

double FuncionPozo::W(double u, double r) const {
    return B_ > 0 ? W_hantush(u, r / B_) : funcion_pozo(u);
}

double FuncionPozo::u_por_derivada(double u, double r) const {
    if (!(B_ > 0)) return ::abat::u_por_derivada(u);
    // At a fixed beta, u dW/du = -e^(-u - beta^2 / 4u): the integrand at the lower limit.
    const double beta = r / B_;
    return -std::exp(-u - beta * beta / (4 * u));
}

double FuncionPozo::cota(double u, double r) const {
    const double theis = cota_w(u);
    if (!(B_ > 0) || !(r > 0)) return theis;
    return std::min(theis, 2 * K0(r / B_) * (1 + 1e-12));
}

}  // namespace abat
