// The leaky aquifer's well function W(u, β) against values computed apart from the program, and
// the identities it must keep; its restrictions to one source (the engine's path) against it.
#include <gtest/gtest.h>

#include <boost/math/special_functions/bessel.hpp>
#include <boost/math/special_functions/expint.hpp>
#include <cmath>

#include "calc/funcion_hantush.h"
#include "calc/funcion_pozo.h"

namespace abat {
namespace {

struct Valor {
    double u;
    double beta;
    double W;
};

void PrintTo(const Valor& v, std::ostream* os) {
    *os << "W(" << v.u << ", " << v.beta << ")";
}

// W(u, β) by mpmath's tanh-sinh quadrature at 32 digits of ∫ exp(-e^t - β²/4 e^-t) dt from ln u
// (the integrand in t = ln y), split at the scales of the integrand's rise and of its peak at
// y = β/2, and agreeing to 1e-20 with a split three times finer: 17 digits shown, from u = 1e-12
// to 50 and β = 1e-8 to 30, where W >= 1e-30.
class ValorHantush : public testing::TestWithParam<Valor> {};

TEST_P(ValorHantush, AgreesWithAQuadratureToTwelveDigits) {
    const auto [u, beta, W] = GetParam();
    EXPECT_NEAR(W_hantush(u, beta) / W, 1, 1e-12);
    // As the engine computes one source at one time, through its restriction and its series in
    // ln u: the same to some 1e-13.
    const HantushFuente f = hantush_fuente(beta * beta / (4 * u));
    EXPECT_NEAR(W_hantush(f, u) / W, 1, 1e-12);
    // Its series in ln u, where W is not 0 from the table's bound on.
    if (const HantushLog l = hantush_log(f, u / 2); l.celdas > 0) {
        EXPECT_NEAR(W_hantush(l, u) / W, 1, 1e-12);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cuadratura, ValorHantush,
    testing::Values(
        Valor{1e-12, 1e-08, 27.053780451184265}, Valor{1e-12, 0.001, 14.047377601124763},
        Valor{1e-12, 0.05, 6.2284680589439797}, Valor{1e-12, 0.5, 1.8488381424553317},
        Valor{1e-12, 5, 0.0073821966680851885}, Valor{1e-12, 30, 4.2649549929261127e-14},
        Valor{1e-09, 2e-05, 20.048495644827687}, Valor{1e-06, 1e-08, 13.238295893037492},
        Valor{1e-06, 0.002, 12.441710103344283}, Valor{1e-06, 1, 0.84204887648141667},
        Valor{0.0001, 0.02, 7.8375455753241443}, Valor{0.0001, 0.2, 3.5054077110562917},
        Valor{0.001, 0.063, 5.5467001608032476}, Valor{0.01, 1e-08, 4.0379295765381114},
        Valor{0.01, 0.2, 3.2875032614446129}, Valor{0.01, 3, 0.069479008772558496},
        Valor{0.05, 0.1, 2.4270690247020166}, Valor{0.1, 0.2, 1.7527038555281459},
        Valor{0.25, 0.0001, 1.044282629266437}, Valor{0.3, 0.5, 0.81414152864177691},
        Valor{0.5, 1, 0.42102443824070833}, Valor{1, 0.01, 0.21938022204212939},
        Valor{1, 2, 0.11389387274953344}, Valor{1, 17.25, 1.9322115198686526e-8},
        Valor{2, 5, 0.0051343601344556038},
        Valor{3, 30, 4.2649549929261127e-14}, Valor{5, 1e-08, 0.0011482955912753258},
        Valor{5, 4, 0.00057568813290979756}, Valor{10, 0.5, 4.1330991042957205e-6},
        Valor{20, 20, 8.4397197891550966e-13}, Valor{30, 1, 2.9972365513557757e-15},
        Valor{50, 1e-08, 3.783264029550459e-24}, Valor{50, 10, 2.3165426454322135e-24}));
// clang-format on

struct Punto {
    double u;
    double beta;
};

class IdentidadHantush : public testing::TestWithParam<Punto> {};

// W(u, 0) = E1(u); W(0, β) = 2 K0(β); W(u, β) + W(β²/4u, β) = 2 K0(β), so W(β/2, β) = K0(β).
TEST_P(IdentidadHantush, KeepsTheLimitsAndTheReflection) {
    const auto [u, beta] = GetParam();
    const double k0 = boost::math::cyl_bessel_k(0, beta);
    EXPECT_NEAR(K0(beta) / k0, 1, 1e-14);
    EXPECT_NEAR(W_hantush(u, 0) / boost::math::expint(1, u), 1, 1e-13);
    EXPECT_NEAR(W_hantush(1e-300, beta) / (2 * k0), 1, 1e-13);
    const double v = beta * beta / (4 * u);
    EXPECT_NEAR((W_hantush(u, beta) + W_hantush(v, beta)) / (2 * k0), 1, 1e-13);
    EXPECT_NEAR(W_hantush(beta / 2, beta) / k0, 1, 1e-13);
}

INSTANTIATE_TEST_SUITE_P(Dominio, IdentidadHantush,
                         testing::Values(Punto{1e-10, 1e-6}, Punto{1e-4, 0.003}, Punto{0.02, 0.08},
                                         Punto{0.3, 0.3}, Punto{1.5, 0.9}, Punto{4, 2},
                                         Punto{0.7, 12}, Punto{25, 30}));

// The well function of a leaky aquifer is W(u, r / B) with B = √(T c), c in days; of a confined
// one, Theis's; and its bound holds both the drawdown at later times and at farther places.
TEST(FuncionPozoHantush, TakesTheLeakageFactorFromTheAquitard) {
    const FuncionPozo confinado(Acuifero{0.01, 2e-4});
    const FuncionPozo semi(Acuifero{0.01, 2e-4, 43.9});
    const double B = std::sqrt(0.01 * 43.9 * 86400);
    EXPECT_FALSE(confinado.semiconfinado());
    EXPECT_NEAR(semi.B(), B, 1e-9);
    EXPECT_EQ(confinado.W(0.01, 50), funcion_pozo(0.01));
    EXPECT_EQ(semi.W(0.01, 50), W_hantush(0.01, 50 / B));
    for (const double u : {1e-6, 0.01, 1.0, 8.0}) {
        for (const double r : {1.0, 100.0, 1000.0}) {
            EXPECT_GE(semi.cota(u, r), semi.W(u, r));
            EXPECT_GE(semi.cota(u, r), semi.W(u * 3, r * 2));
            // β dW/dβ against a central difference a hundred times wider
            const double h = 1e-3, beta = r / B;
            const double diferencia =
                (W_hantush(u, beta * (1 + h)) - W_hantush(u, beta * (1 - h))) / (2 * h);
            EXPECT_NEAR(semi.beta_por_derivada(u, r), diferencia,
                        1e-5 * std::fabs(diferencia) + 1e-15);
        }
    }
}

}  // namespace
}  // namespace abat
