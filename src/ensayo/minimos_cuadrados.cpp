#include "ensayo/minimos_cuadrados.h"

#include <boost/math/distributions/students_t.hpp>

namespace abat {

std::optional<Covarianza> covarianza(const Eigen::MatrixXd& J, double suma) {
    const Eigen::Index n = J.rows();
    const Eigen::Index k = J.cols();
    const Eigen::MatrixXd JtJ = J.transpose() * J;
    if (n <= k || !(JtJ.determinant() > 1e-12 * JtJ.diagonal().prod())) return std::nullopt;
    const boost::math::students_t t_student(static_cast<double>(n - k));
    return Covarianza{JtJ.inverse(), suma / static_cast<double>(n - k),
                      boost::math::quantile(t_student, 0.975)};
}

}  // namespace abat
