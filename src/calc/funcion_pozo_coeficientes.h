#pragma once
// The coefficients of the vector well function, highest power first as Horner's rule takes them.
// E1's rational approximations are those of Boost.Math's expint for double precision (Boost
// Software License 1.0), the function the exact path calls: the same pieces give the same values.

#include <array>
#include <cstddef>

namespace abat::coef {

// The series W(u) = -0.577216 - ln u + sum over n of (-1)^(n+1) u^n / (n n!): the divisors n n!
// of its five terms after the logarithm, u, u^2/4, u^3/18, u^4/96 and u^5/600.
inline constexpr std::array<double, 5> divisores_serie = {1, 4, 18, 96, 600};

// 1 - u/4 + u^2/18 - u^3/96 + u^4/600: the series after its logarithm, divided by u, for Horner.
inline constexpr std::array<double, 5> serie = [] {
    std::array<double, 5> c{};
    for (size_t i = 0; i < c.size(); ++i) {
        const size_t n = c.size() - i;  // the power of u, times u
        c[i] = (n % 2 == 1 ? 1.0 : -1.0) / divisores_serie[n - 1];
    }
    return c;
}();

// u W'(u) = -1 + u (1 - u/2 + u^2/6 - u^3/24 + u^4/120): term by term, n / (n n!) = 1 / n!.
inline constexpr std::array<double, 5> derivada_serie = [] {
    std::array<double, 5> c{};
    for (size_t i = 0; i < c.size(); ++i) {
        const size_t n = c.size() - i;
        c[i] = (n % 2 == 1 ? 1.0 : -1.0) * static_cast<double>(n) / divisores_serie[n - 1];
    }
    return c;
}();

// E1(u) = P(u) / Q(u) + u - ln u - Y for u <= 1.
inline constexpr double cerca_y = 0.66373538970947265625;
inline constexpr std::array<double, 6> cerca_p = {
    -0.000111507792921197858394, -0.00399167106081113256961, -0.0368031736257943745142,
    -0.245088216639761496153,    0.0320913665303559189999,   0.0865197248079397976498};
inline constexpr std::array<double, 6> cerca_q = {
    -0.528611029520217142048e-6, 0.000131049900798434683324, 0.00427347600017103698101,
    0.056770677104207528384,     0.37091387659397013215,     1.0};

// E1(u) = e^-u / u * (1 + P(1/u) / Q(1/u)) for u > 1; Boost's P and Q, lowest power first.
// From u = 708 on Boost gives 0; the vectors give 0 from u_cero on, where E1 < w_despreciable:
// nearer the smallest double its arithmetic slows down a hundredfold.
inline constexpr double u_cero = 665.0;
inline constexpr double w_despreciable = 1e-291;
inline constexpr std::array<long double, 11> lejos_p = {
    -0.121013190657725568138e-18L, -0.999999999999998811143L, -43.3058660811817946037L,
    -724.581482791462469795L,      -6046.8250112711035463L,   -27182.6254466733970467L,
    -66598.2652345418633509L,      -86273.1567711649528784L,  -54844.4587226402067411L,
    -14751.4895786128450662L,      -1185.45720315201027667L};
inline constexpr std::array<long double, 12> lejos_q = {1.0L,
                                                        45.3058660811801465927L,
                                                        809.193214954550328455L,
                                                        7417.37624454689546708L,
                                                        38129.5594484818471461L,
                                                        113057.05869159631492L,
                                                        192104.047790227984431L,
                                                        180329.498380501819718L,
                                                        86722.3403467334749201L,
                                                        18455.4124737722049515L,
                                                        1229.20784182403048905L,
                                                        -0.776491285282330997549L};

// Times u^11, in u: (1 + P/Q) / u = (Q + P)(u) / (u Q(u)), one division instead of three.
inline constexpr std::array<double, 12> lejos_numerador = [] {
    std::array<double, 12> c{};
    for (size_t i = 0; i < c.size(); ++i)
        c[i] = static_cast<double>(lejos_q[i] + (i < lejos_p.size() ? lejos_p[i] : 0.0L));
    return c;
}();
inline constexpr std::array<double, 12> lejos_denominador = [] {
    std::array<double, 12> c{};
    for (size_t i = 0; i < c.size(); ++i) c[i] = static_cast<double>(lejos_q[i]);
    return c;
}();

}  // namespace abat::coef
