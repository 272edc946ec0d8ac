#include "ensayo/recta_semilog.h"

#include <cmath>

namespace abat {

double Recta::en(double x) const {
    return a + b * std::log10(x);
}

std::optional<Coeficientes> recta_lineal(const std::vector<double>& x,
                                         const std::vector<double>& y) {
    const auto n = static_cast<double>(x.size());
    if (x.size() < 2) return std::nullopt;
    double mx = 0;
    double my = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        mx += x[i];
        my += y[i];
    }
    mx /= n;
    my /= n;
    double sxx = 0;
    double sxy = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        const double dx = x[i] - mx;  // centred: no cancellation far from x = 0
        sxx += dx * dx;
        sxy += dx * (y[i] - my);
    }
    if (!(sxx > 0)) return std::nullopt;
    const double b = sxy / sxx;
    return Coeficientes{my - b * mx, b};
}

std::optional<Recta> recta_semilog(const std::vector<double>& x, const std::vector<double>& s) {
    std::vector<double> log_x;
    log_x.reserve(x.size());
    for (const double v : x) log_x.push_back(std::log10(v));
    const std::optional<Coeficientes> c = recta_lineal(log_x, s);
    if (!c) return std::nullopt;
    return Recta{c->a, c->b};
}

}  // namespace abat
