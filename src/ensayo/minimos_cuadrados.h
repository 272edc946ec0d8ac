#pragma once
// The least squares of the test's fits: Levenberg–Marquardt's descent from a start, and how well
// the minimum knows its parameters: the covariance there from the Jacobian and the residuals'
// variance, which takes them for independent (the residuals of a test are not): the 95 %
// intervals it gives are indicative.

#include <Eigen/Dense>
#include <unsupported/Eigen/LevenbergMarquardt>

#include <cmath>
#include <optional>

namespace abat {

struct Covarianza {
    Eigen::MatrixXd inversa;  // (JᵀJ)⁻¹
    double varianza = 0;      // of a residual: the sum of their squares over n − k
    double t95 = 0;           // Student's two-sided 95 % quantile for n − k degrees

    // Half the 95 % interval of parameter j.
    double semiancho(Eigen::Index j) const { return t95 * std::sqrt(varianza * inversa(j, j)); }
    // Of a parameter fitted as its logarithm: the value ×/÷ this factor.
    double factor(Eigen::Index j) const { return std::exp(semiancho(j)); }
    double correlacion(Eigen::Index i, Eigen::Index j) const {
        return inversa(i, j) / std::sqrt(inversa(i, i) * inversa(j, j));
    }
};

// A residual that cannot be computed, far from any sensible parameters, is this large one, so the
// step that led there is refused; its square is still a double.
inline constexpr double residuo_inalcanzable = 1e100;  // m

// The descent of `f` (an Eigen::DenseFunctor with the residuals and their Jacobian) from `x`,
// left at the minimum; the sum of the squared residuals there, or none where the descent fails or
// ends where a residual or a parameter is not a number.
template <typename Funcion>
std::optional<double> descender(Funcion& f, Eigen::VectorXd& x) {
    Eigen::LevenbergMarquardt<Funcion> lm(f);
    lm.setXtol(1e-12);
    lm.setFtol(1e-14);
    lm.setMaxfev(2000);
    const auto estado = lm.minimize(x);
    using namespace Eigen::LevenbergMarquardtSpace;
    if (estado == ImproperInputParameters || estado == TooManyFunctionEvaluation ||
        estado == UserAsked) {
        return std::nullopt;
    }
    Eigen::VectorXd r(f.values());
    f(x, r);
    if (!x.allFinite() || !r.allFinite()) return std::nullopt;
    return r.squaredNorm();
}

// From the Jacobian `J` (a row a reading) and the sum of the squared residuals at the minimum;
// none where the readings do not tell the parameters apart (JᵀJ nearly singular) or are no more
// than the parameters.
std::optional<Covarianza> covarianza(const Eigen::MatrixXd& J, double suma);

}  // namespace abat
