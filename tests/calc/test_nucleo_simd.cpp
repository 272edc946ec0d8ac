// The vector well function against the exact path's (the series, then Boost's E1).
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "conjuntos_simd.h"
#include "funcion_pozo.h"
#include "funcion_pozo_coeficientes.h"
#include "nucleo_simd.h"

using namespace abat;

// Over each range of u and at the switches between them, within a few units in the last place;
// from u_cero on, where E1 nears the smallest double, 0 within w_despreciable.
TEST(FuncionPozoVector, AgreesWithTheExactPathOnEveryInstructionSet) {
    // clang-format off
    std::vector<double> u = {u_cruce, std::nextafter(u_cruce, 0.0), std::nextafter(u_cruce, 1.0),
                             1.0, std::nextafter(1.0, 2.0), coef::u_cero, 708.0, 1e-300};
    std::mt19937_64 g(7);
    for (const auto& [desde, hasta] : {std::pair{1e-12, u_cruce}, {u_cruce, 1.0}, {1.0, 40.0},
                                       {40.0, coef::u_cero}, {coef::u_cero, 800.0}}) {
        // clang-format on
        std::uniform_real_distribution<double> ln_u(std::log(desde), std::log(hasta));
        for (int i = 0; i < 200'001; ++i) u.push_back(std::exp(ln_u(g)));
    }
    prueba::en_cada_conjunto([&](const char* conjunto) {
        std::vector<double> w(u.size());
        funcion_pozo_vector(u.data(), w.data(), u.size());
        int fallos = 0;
        for (size_t i = 0; i < u.size(); ++i) {
            const double exacto = funcion_pozo(u[i]);
            if (!(std::fabs(w[i] - exacto) <= 1e-14 * exacto + coef::w_despreciable) &&
                ++fallos <= 3)
                ADD_FAILURE() << conjunto << " u = " << u[i] << ": " << w[i] << " vs " << exacto;
        }
    });
}
