#include "funcion_pozo.h"

#include <boost/math/special_functions/expint.hpp>
#include <cmath>

namespace abat {

double W_serie(double u) {
    return -euler - std::log(u) + u - u * u / 4 + u * u * u / 18 - std::pow(u, 4) / 96 +
           std::pow(u, 5) / 600;
}

double E1(double u) {
    // Far from a well E1 falls below the smallest double: that is a drawdown of 0, not an error.
    using politica = boost::math::policies::policy<
        boost::math::policies::underflow_error<boost::math::policies::ignore_error>>;
    return boost::math::expint(1, u, politica());
}

}  // namespace abat
