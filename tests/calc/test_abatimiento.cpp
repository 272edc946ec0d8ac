#include <gtest/gtest.h>

#include <cmath>

#include "abatimiento.h"
#include "fixtures.h"
#include "funcion_pozo.h"

using namespace abat;
using namespace abat::prueba;

namespace {

double abatimiento(const Declaraciones& d, const Grid& pozos, const char* tiempo, double x,
                   double y) {
    return abatimiento_punto(leer_datos(d, pozos, tiempo), x, y);
}

// The error that a calculation raises, or 0 when it raises none.
int error_de(const Declaraciones& d, const Grid& pozos, const char* tiempo, double x, double y,
             int* pozo = nullptr) {
    try {
        abatimiento(d, pozos, tiempo, x, y);
    } catch (const ErrorCalculo& e) {
        if (pozo != nullptr) *pozo = e.pozo;
        return e.numero();
    }
    return 0;
}

}  // namespace

TEST(Abatimiento, WorkedExamplesNearTheWell) {
    const Declaraciones d = acuifero();
    const Grid pozos = tabla_pozos({{"P1", "0.3", "0.05", "100", "0"}});
    EXPECT_NEAR(abatimiento(d, pozos, "1", 0, 0), 2.7367021, 5e-8);
    EXPECT_NEAR(W_serie(100.0 * 100 * 0.0002 / (0.01 * 4 * 86400)), 6.8780826, 5e-8);
    // On the well itself the distance is the well's radius.
    EXPECT_NEAR(abatimiento(d, pozos, "1", 100, 0), 7.9108300, 5e-8);
    EXPECT_NEAR(W_serie(0.15 * 0.15 * 0.0002 / (0.01 * 4 * 86400)), 19.8820843, 5e-8);
    // Inside the radius the drawdown is that at the well's face, however close to the centre:
    // rounding in the grid's coordinates puts nodes within 1e-15 m of a well.
    for (const double dentro : {1e-15, 0.05, 0.15}) {
        EXPECT_NEAR(abatimiento(d, pozos, "1", 100 - dentro, 0), 7.9108300, 5e-8) << dentro;
    }
    EXPECT_LT(abatimiento(d, pozos, "1", 100.16, 0), 7.9108300);

    const Grid dos =
        tabla_pozos({{"A", "0.3", "0.05", "100", "0"}, {"B", "0.3", "0.05", "100", "0"}});
    EXPECT_EQ(abatimiento(d, dos, "1", 0, 0), 2 * abatimiento(d, pozos, "1", 0, 0));
    const Grid inyeccion =
        tabla_pozos({{"A", "0.3", "0.05", "100", "0"}, {"B", "0.3", "-0.05", "100", "0"}});
    EXPECT_NEAR(abatimiento(d, inyeccion, "1", 0, 0), 0, 1e-12);
    EXPECT_EQ(abatimiento(acuifero(0, 0), tabla_pozos({}), "", 0, 0), 0);  // no wells, no error
}

TEST(Abatimiento, WellFunctionFarFromTheWellIsTheExponentialIntegral) {
    EXPECT_NEAR(funcion_pozo(1) / 0.2193839344, 1, 1e-9);
    EXPECT_NEAR(funcion_pozo(2) / 0.04890051071, 1, 1e-9);
    EXPECT_NEAR(funcion_pozo(5) / 0.001148295591, 1, 1e-9);
    EXPECT_NEAR(funcion_pozo(10) / 4.156968930e-6, 1, 1e-9);
    EXPECT_EQ(funcion_pozo(1000), 0);  // below the smallest double: no error
    // The series and E1 meet where the one takes over from the other.
    EXPECT_NEAR(W_serie(u_cruce), E1(u_cruce), 1e-10);
    EXPECT_EQ(funcion_pozo(u_cruce), W_serie(u_cruce));
    EXPECT_NEAR(funcion_pozo(std::nextafter(u_cruce, 1.0)), W_serie(u_cruce), 1e-10);
}

TEST(Abatimiento, NeverRisesWithDistanceFromOneWell) {
    const Declaraciones d = acuifero(0.01, 0.2);
    const Grid pozos = tabla_pozos({{"P", "0.3", "0.05", "0", "0"}});
    double anterior = abatimiento(d, pozos, "1", 0.01, 0);
    for (double r = 0.02; r < 5000; r *= 1.01) {
        const double s = abatimiento(d, pozos, "1", r, 0);
        ASSERT_LE(s, anterior + 1e-12) << "r = " << r;
        ASSERT_GE(s, 0);
        anterior = s;
    }
    EXPECT_LT(abatimiento(d, pozos, "1", 1000, 0), 1e-6);
}

TEST(Abatimiento, ArithmeticFaultsAreErrorsInStepOrder) {
    const Grid pozos = tabla_pozos({{"P", "0.3", "0.05", "100", "0"}});
    EXPECT_EQ(error_de(acuifero(0), pozos, "1", 0, 0), 11);  // T = 0
    EXPECT_EQ(error_de(acuifero(), pozos, "", 0, 0), 11);    // empty time
    EXPECT_EQ(error_de(acuifero(), pozos, "0", 0, 0), 11);
    EXPECT_EQ(error_de(acuifero(0, 0), pozos, "1", 0, 0), 5);     // 0 / 0
    EXPECT_EQ(error_de(acuifero(0.01, 0), pozos, "1", 0, 0), 5);  // ln 0
    EXPECT_EQ(error_de(acuifero(0.01, -0.0002), pozos, "1", 0, 0), 5);
    EXPECT_EQ(error_de(acuifero(), pozos, "-1", 0, 0), 5);
    // Any negative among T, S and the time, also two of them whose signs would cancel in u.
    EXPECT_EQ(error_de(acuifero(-0.01, -0.0002), pozos, "1", 0, 0), 5);
    EXPECT_EQ(error_de(acuifero(-0.01), pozos, "-1", 0, 0), 5);
    EXPECT_EQ(error_de(acuifero(0.01, -0.0002), pozos, "-1", 0, 0), 5);
    EXPECT_EQ(error_de(acuifero(-0.01, -0.0002), pozos, "-1", 0, 0), 5);
    EXPECT_EQ(error_de(acuifero(-0.01, -0.0002), pozos, "0", 0, 0), 11);  // zeros keep theirs
    EXPECT_EQ(error_de(acuifero(), tabla_pozos({{"P", "", "0.05", "100", "0"}}), "1", 100, 0), 5);
    EXPECT_EQ(error_de(acuifero(), tabla_pozos({{"P", "0.3", "abc", "100", "0"}}), "1", 0, 0), 13);
    EXPECT_EQ(error_de(acuifero(), tabla_pozos({{"P", "0.3", "", "100", "0"}}), "1", 0, 0), 13);
    EXPECT_EQ(error_de(acuifero(), tabla_pozos({{"P", "0.3", "1e309", "100", "0"}}), "1", 0, 0), 6);
    EXPECT_EQ(error_de(acuifero(), tabla_pozos({{"P", "0.3", "1e308", "100", "0"}}), "1", 0, 0), 6);
    EXPECT_EQ(
        error_de(acuifero(), tabla_pozos({{"P", "0.3", "0.05", "1e308", "0"}}), "1", -1e308, 0), 6);
    EXPECT_EQ(error_de(acuifero(), tabla_pozos({{"P", "0.3", "0.05", "1e400", "0"}}), "1", 0, 0),
              6);
    EXPECT_EQ(error_de(acuifero(1e-320), pozos, "1", 0, 0), 6);  // u overflows
    EXPECT_EQ(error_de(acuifero(0.01, 1e306), pozos, "1", 0, 0), 6);
    EXPECT_EQ(error_de(acuifero(1e308), pozos, "1", 0, 0), 6);
    // The logarithm comes before the pumping rate is read.
    EXPECT_EQ(
        error_de(acuifero(0.01, 0), tabla_pozos({{"P", "0.3", "abc", "100", "0"}}), "1", 0, 0), 5);
    // The first failing well stops the sum and is named.
    int pozo = 0;
    const Grid dos = tabla_pozos({{"A", "0.3", "0.05", "100", "0"}, {"B", "0.3", "x", "0", "50"}});
    EXPECT_EQ(error_de(acuifero(), dos, "1", 0, 0, &pozo), 13);
    EXPECT_EQ(pozo, 2);
    // The running total overflows although each well alone does not.
    const Grid grandes =
        tabla_pozos({{"A", "0", "2e306", "100", "0"}, {"B", "0", "2e306", "100", "0"}});
    EXPECT_EQ(error_de(acuifero(), grandes, "1", 0, 0, &pozo), 6);
    EXPECT_EQ(pozo, 2);
}
