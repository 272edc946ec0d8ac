#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <random>
#include <string>

#include "model/errores.h"
#include "model/numeros.h"
#include "support/casos.h"

using namespace abat;
using namespace abat::prueba;

namespace {

// A text, the number the leading-number rule reads in it, and what the strict rule makes of it:
// the same number when the whole text is one.
using Lecturas = Tabla<const char*, double, Lectura>;
// A number and the text written for it.
using Escrito = std::tuple<const char*, double, const char*>;
using Completos = testing::TestWithParam<Escrito>;
using CuatroDecimales = testing::TestWithParam<Escrito>;
constexpr Lectura si = Lectura::numero, no = Lectura::no_es_numero;

}  // namespace

TEST_P(Lecturas, LeadingAndStrictRules) {
    const auto& [nombre, texto, valor, estado] = GetParam();
    EXPECT_EQ(leading_number(texto), valor);
    EXPECT_EQ(leer_estricto(texto),
              (estado == no ? LecturaEstricta{} : LecturaEstricta{estado, valor}));
    if (estado != si) return;
    EXPECT_EQ(strict_number(texto), valor);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Numeros, Lecturas, testing::ValuesIn(std::vector<Lecturas::ParamType>{{"decimal", "12.5", 12.5, si},
    {"blancos_alrededor", " 0.02 ", 0.02, si}, {"signo_mas", "+3", 3, si}, {"menos_cero", "-0", 0, si}, {"sin_parte_entera", ".5", 0.5, si},
    {"punto_final", "5.", 5, si}, {"exponente", "2E3", 2000, si}, {"cerca_del_maximo", "1e308", 1e308, si}, {"bajo_el_menor_double", "1e-400", 0, si},
    {"fuera_de_rango", "1e309", INFINITY, Lectura::fuera_de_rango}, {"blanco_entre_cifras", " 1 000", 1000, no}, {"unidad_detras", "3.2m", 3.2, no},
    {"coma", "1,5", 1, no}, {"letras", "abc", 0, no}, {"vacio", "", 0, no}, {"blancos", "   ", 0, no}, {"segundo_punto", "1.2.3", 1.2, no},
    {"exponente_sin_cifras", "E5", 0, no}, {"dos_signos", "--5", 0, no}, {"solo_un_punto", ".", 0, no},
    {"blancos_de_toda_clase", "-\t2 .\n5", -2.5, no}, {"exponente_incompleto", "2E", 2, no},
    {"exponente_con_blancos", "2e - 2", 0.02, no}}), por_nombre);
// clang-format on

TEST_P(Completos, TextsTheCellsHold) {
    EXPECT_EQ(number_to_text(std::get<1>(GetParam())), std::get<2>(GetParam()));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Numeros, Completos, testing::ValuesIn(std::vector<Escrito>{{"entero", 12, "12"}, {"medio", 0.5, "0.5"}, {"cero", 0, "0"},
    {"menos_cero", -0.0, "0"}, {"negativo", -3, "-3"}, {"suma_binaria", 0.1 + 0.2, "0.3"}, {"millones", 1234567.25, "1234567.25"},
    {"exponente", 1e20, "1E+20"}, {"quince_cifras", 0.12345678901234567, "0.123456789012346"},
    // at the top of the range, a finite number
    {"el_mayor_double", 1.7976931348623157e308, "1.79769313486231E+308"},
    {"el_menor_double", -1.7976931348623157e308, "-1.79769313486231E+308"}}), por_nombre);
// clang-format on

// A four-decimal text, and the value read from it: at a tie, and beyond a million metres, the
// text's own.
TEST_P(CuatroDecimales, TextsOfTheDrawdownsAndTheirValues) {
    const auto& [nombre, v, texto] = GetParam();
    EXPECT_EQ(format_4dec(v), texto);
    const double valor = leading_number(texto);
    EXPECT_TRUE(valor_4dec(v) == valor && std::signbit(valor_4dec(v)) == std::signbit(valor));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Numeros, CuatroDecimales, testing::ValuesIn(std::vector<Escrito>{{"redondeado", 2.73670209, "2.7367"},
    {"sin_parte_entera", 0.5, ".5"}, {"entero", 12, "12."}, {"millares", 1234.56789, "1234.5679"}, {"bajo_medio_diezmilesimo", 0.00004, "."},
    {"empate", 1.00005, "1.0001"}, {"empate_negativo", -1.00005, "-1.0001"}, {"empate_en_la_tabla", 2.73675, "2.7368"},
    {"empate_negativo_en_la_tabla", -2.73675, "-2.7368"}, {"empate_del_menor", 0.00005, ".0001"}, {"hasta_diez", 9.99995, "10."},
    {"negativo_que_es_cero", -0.00004, "."}, {"exponente", 1e20, "100000000000000000000."}, {"empate_del_texto", 2.7367499999999993, "2.7368"},
    {"millon_y_empate", 1e6 + 0.00015, "1000000.0002"}}), por_nombre);
// clang-format on

// Beyond the ties and a million metres, a four-decimal text's value is rounded in binary: the
// text's value all the same.
TEST(Numeros, TextsThePlacesWrite) {
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
