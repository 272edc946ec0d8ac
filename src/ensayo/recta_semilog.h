#pragma once
// The straight lines of the test's analyses: the semi-log methods' drawdown against the logarithm
// of a time, and the plain least-squares line.

#include <optional>
#include <vector>

namespace abat {

// s = a + b log10(x): b is the drawdown per log cycle.
struct Recta {
    double a = 0;
    double b = 0;
    double en(double x) const;
};

// y = a + b x.
struct Coeficientes {
    double a = 0;
    double b = 0;
};

// The least-squares line through the points (x[i], y[i]); none through fewer than two distinct x.
std::optional<Coeficientes> recta_lineal(const std::vector<double>& x,
                                         const std::vector<double>& y);

// The least-squares line through the points (x[i] > 0, s[i]); none through fewer than two
// distinct x.
std::optional<Recta> recta_semilog(const std::vector<double>& x, const std::vector<double>& s);

}  // namespace abat
