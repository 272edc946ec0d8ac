#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <random>
#include <string>

#include "model/errores.h"
#include "model/numeros.h"

using namespace abat;

TEST(Numeros, LeadingNumberRule) {
    const std::vector<std::pair<const char*, double>> casos = {
        {"12.5", 12.5}, {" 1 000", 1000},    {"3.2m", 3.2},
        {"1,5", 1},     {"abc", 0},          {"", 0},
        {"2E3", 2000},  {"1.2.3", 1.2},      {"E5", 0},
        {"--5", 0},     {"-\t2 .\n5", -2.5}, {"+3", 3},
        {".5", 0.5},    {"5.", 5},           {".", 0},
        {"2E", 2},      {"2e - 2", 0.02},    {"1e-400", 0}};
    for (const auto& [texto, valor] : casos) EXPECT_EQ(leading_number(texto), valor) << texto;
}

TEST(Numeros, StrictRule) {
    const std::vector<std::pair<const char*, double>> casos = {
        {" 0.02 ", 0.02}, {"+3", 3}, {"-0", 0}, {".5", 0.5}, {"5.", 5}, {"1e308", 1e308}};
    for (const auto& [texto, valor] : casos) EXPECT_EQ(strict_number(texto), valor) << texto;
    for (const char* texto : {"", "   ", "abc", "1,5", "3.2m", "1 000", "1.2.3", "E5", "2E", "."})
        EXPECT_EQ(leer_estricto(texto).estado, Lectura::no_es_numero) << texto;
    EXPECT_EQ(leer_estricto("1e309").estado, Lectura::fuera_de_rango);
}

TEST(Numeros, TextsThePlacesWrite) {
    // clang-format off
    const std::vector<std::pair<double, const char*>> completos = {
        {12, "12"}, {0.5, "0.5"}, {0, "0"}, {-0.0, "0"}, {-3, "-3"}, {0.1 + 0.2, "0.3"},
        {1234567.25, "1234567.25"}, {1e20, "1E+20"}, {0.12345678901234567, "0.123456789012346"}};
    // clang-format on
    for (const auto& [v, texto] : completos) EXPECT_EQ(number_to_text(v), texto) << v;
    // At the top of the range the text stays a finite number.
    for (double v : {1.7976931348623157e308, -1.7976931348623157e308}) {
        EXPECT_NEAR(leading_number(number_to_text(v)) / v, 1, 5e-15) << number_to_text(v);
    }
    // clang-format off
    const std::vector<std::pair<double, const char*>> cuatro = {
        {2.73670209, "2.7367"}, {0.5, ".5"}, {12, "12."}, {1234.56789, "1234.5679"},
        {0.00004, "."}, {-2.73675, "-2.7368"}, {1.00005, "1.0001"}, {9.99995, "10."},
        {-0.00004, "."}, {1e20, "100000000000000000000."}, {2.7367499999999993, "2.7368"}};
    // clang-format on
    for (const auto& [v, texto] : cuatro) EXPECT_EQ(format_4dec(v), texto) << v;
    // A four-decimal text's value: at a tie, and beyond a million metres, read from the text.
    for (const auto& [v, valor] : {std::pair{2.73675, 2.7368},
                                   {-1.00005, -1.0001},
                                   {0.00005, 0.0001},
                                   {-0.00004, 0.0},
                                   {1e6 + 0.00015, 1000000.0002}})
        EXPECT_TRUE(valor_4dec(v) == valor && std::signbit(valor_4dec(v)) == std::signbit(valor))
            << v;
    // Elsewhere it is rounded in binary: the text's value all the same.
    std::mt19937_64 azar(7);
    std::vector<double> valores;
    for (int i = 0; i < 200000; ++i) {
        const double v = std::ldexp(std::uniform_real_distribution<double>(-1, 1)(azar),
                                    std::uniform_int_distribution<int>(-20, 19)(azar));
        valores.push_back(i % 2 == 0 ? v : std::round(v * 1e5) / 1e5);
    }
    for (const double v : valores) {
        const double texto = leading_number(format_4dec(v));
        ASSERT_TRUE(valor_4dec(v) == texto && std::signbit(valor_4dec(v)) == std::signbit(texto))
            << v;
        // Away from a tie, the standard library's correctly rounded text, as the results write it.
        const double d = std::fabs(v) * 1e4;
        if (std::fabs(d - std::floor(d) - 0.5) < 2e-3) continue;
        std::array<char, 64> b{};
        std::string fijo(
            b.begin(),
            std::to_chars(b.begin(), b.end(), std::fabs(v), std::chars_format::fixed, 4).ptr);
        while (fijo.back() == '0') fijo.pop_back();
        if (fijo.starts_with("0.")) fijo.erase(0, 1);
        ASSERT_EQ(format_4dec(v), (v < 0 && fijo != "." ? "-" : "") + fijo) << v;
    }
}
