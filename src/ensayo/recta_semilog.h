#pragma once
// The straight line of the semi-log methods: the drawdown against the logarithm of a time.

#include <optional>
#include <vector>

namespace abat {

// s = a + b log10(x): b is the drawdown per log cycle.
struct Recta {
    double a = 0;
    double b = 0;
    double en(double x) const;
};

// The least-squares line through the points (x[i] > 0, s[i]); none through fewer than two
// distinct x.
std::optional<Recta> recta_semilog(const std::vector<double>& x, const std::vector<double>& s);

}  // namespace abat
