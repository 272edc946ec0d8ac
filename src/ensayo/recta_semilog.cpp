#include "ensayo/recta_semilog.h"

#include <cmath>

namespace abat {

double Recta::en(double x) const {
    return a + b * std::log10(x);
}

std::optional<Recta> recta_semilog(const std::vector<double>& x, const std::vector<double>& s) {
    const auto n = static_cast<double>(x.size());
    if (x.size() < 2) return std::nullopt;
    double mx = 0;
    double ms = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        mx += std::log10(x[i]);
        ms += s[i];
    }
    mx /= n;
    ms /= n;
    double sxx = 0;
    double sxs = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        const double dx = std::log10(x[i]) - mx;  // centred: no cancellation far from t = 1
        sxx += dx * dx;
        sxs += dx * (s[i] - ms);
    }
    if (!(sxx > 0)) return std::nullopt;
    const double b = sxs / sxx;
    return Recta{ms - b * mx, b};
}

}  // namespace abat
