#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "errores.h"
#include "numeros.h"

using namespace abat;

// Under LC_ALL=de_DE or es_ES these tests must see the comma as the system's decimal separator,
// or the locale runs would prove nothing.
TEST(NumerosLocale, RunsUnderTheRequestedLocale) {
    const bool coma = std::getenv("ABAT_EXPECT_COMMA") != nullptr;
    EXPECT_STREQ(std::localeconv()->decimal_point, coma ? "," : ".");
}

TEST(Numeros, LeadingNumberRule) {
    EXPECT_EQ(leading_number("12.5"), 12.5);
    EXPECT_EQ(leading_number(" 1 000"), 1000);
    EXPECT_EQ(leading_number("3.2m"), 3.2);
    EXPECT_EQ(leading_number("1,5"), 1);
    EXPECT_EQ(leading_number("abc"), 0);
    EXPECT_EQ(leading_number(""), 0);
    EXPECT_EQ(leading_number("2E3"), 2000);
    EXPECT_EQ(leading_number("0.5 m"), 0.5);
    EXPECT_EQ(leading_number("1.2.3"), 1.2);
    EXPECT_EQ(leading_number("E5"), 0);
    EXPECT_EQ(leading_number("--5"), 0);
    EXPECT_EQ(leading_number("-\t2 .\n5"), -2.5);
    EXPECT_EQ(leading_number("+3"), 3);
    EXPECT_EQ(leading_number(".5"), 0.5);
    EXPECT_EQ(leading_number("5."), 5);
    EXPECT_EQ(leading_number("."), 0);
    EXPECT_EQ(leading_number("2E"), 2);  // an exponent needs digits
    EXPECT_EQ(leading_number("2e-x"), 2);
    EXPECT_EQ(leading_number("2e - 2"), 0.02);
    EXPECT_EQ(leading_number("1e-400"), 0);
    EXPECT_TRUE(std::isinf(leading_number("1e309")));
}

TEST(Numeros, StrictRule) {
    EXPECT_EQ(strict_number(" 0.02 "), 0.02);
    EXPECT_EQ(strict_number("+3"), 3);
    EXPECT_EQ(strict_number("-0"), 0);
    EXPECT_EQ(strict_number(".5"), 0.5);
    EXPECT_EQ(strict_number("5."), 5);
    EXPECT_EQ(strict_number("1e308"), 1e308);
    for (const char* texto : {"", "   ", "abc", "1,5", "3.2m", "1 000", "1.2.3", "E5", "2E", "."}) {
        try {
            strict_number(texto);
            ADD_FAILURE() << "aceptado: '" << texto << "'";
        } catch (const ErrorCalculo& e) {
            EXPECT_EQ(e.numero(), 13) << texto;
            EXPECT_STREQ(e.descripcion(), "No coinciden los tipos");
        }
    }
    EXPECT_EQ(leer_estricto("1e309").estado, Lectura::fuera_de_rango);
    try {
        strict_number("-1e309");
        ADD_FAILURE();
    } catch (const ErrorCalculo& e) {
        EXPECT_EQ(e.numero(), 6);
    }
}

TEST(Numeros, NumberToTextIsPlainAndReadsBack) {
    EXPECT_EQ(number_to_text(12), "12");
    EXPECT_EQ(number_to_text(0.5), "0.5");
    EXPECT_EQ(number_to_text(3.2367), "3.2367");
    EXPECT_EQ(number_to_text(0), "0");
    EXPECT_EQ(number_to_text(-0.0), "0");
    EXPECT_EQ(number_to_text(-3), "-3");
    EXPECT_EQ(number_to_text(0.1 + 0.2), "0.3");  // 15 significant digits
    EXPECT_EQ(number_to_text(0.9999), "0.9999");
    EXPECT_EQ(number_to_text(1234567.25), "1234567.25");
    EXPECT_EQ(number_to_text(1e20), "1E+20");
    for (double v : {1e20, 123456789012345.0, 1e-7, -2.5e-300, 1e308, 0.000578704}) {
        EXPECT_DOUBLE_EQ(leading_number(number_to_text(v)), v) << number_to_text(v);
    }
    // At the top of the range the text stays a finite number (found by fuzzing).
    for (double v : {1.7976931348623157e308, -1.7976931348623157e308, 1.797693134862315e308}) {
        EXPECT_NEAR(leading_number(number_to_text(v)) / v, 1, 5e-15) << number_to_text(v);
    }
}

TEST(Numeros, FourDecimalPattern) {
    EXPECT_EQ(format_4dec(2.73670209), "2.7367");
    EXPECT_EQ(format_4dec(0.5), ".5");
    EXPECT_EQ(format_4dec(12), "12.");
    EXPECT_EQ(format_4dec(1234.56789), "1234.5679");
    EXPECT_EQ(format_4dec(0.00004), ".");
    EXPECT_EQ(format_4dec(0), ".");
    EXPECT_EQ(format_4dec(0.33333), ".3333");
    EXPECT_EQ(format_4dec(-2.73675), "-2.7368");  // half away from zero
    EXPECT_EQ(format_4dec(1.00005), "1.0001");    // as the decimal text shows it
    EXPECT_EQ(format_4dec(9.99995), "10.");
    EXPECT_EQ(format_4dec(0.99999), "1.");
    EXPECT_EQ(format_4dec(-0.00004), ".");
    EXPECT_EQ(format_4dec(1e20), "100000000000000000000.");
    EXPECT_EQ(format_4dec(7.91083), "7.9108");
}
