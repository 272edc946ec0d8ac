#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "estudio/archivo_estudio.h"
#include "model/errores.h"
#include "support/carpeta.h"
#include "support/casos.h"
#include "support/resuelto.h"

using namespace abat;
using namespace abat::prueba;
namespace fs = std::filesystem;

namespace {

// A study saved to a file opens again the same: a table instantiated beside the tests of each part
// of a study, its test in test_estudio.cpp.
using Guardados = Tabla<Estudio>;

Estudio con_T(const std::string& T) {
    Estudio e;
    e.T = T;
    return e;
}

const std::string base = R"({"formato": "abatimientos", "version": 1,
 "acuifero": {"T": "0.01", "S": "0.0002"},
 "pozos": [{"nombre": "P1", "diametro": "0.3", "caudal": "0.05", "x": "0", "y": "0"},
           {"nombre": "P2", "diametro": "0.3", "caudal": "0.02", "x": "50", "y": "0"}],
 "puntos": [{"nombre": "A", "x": "100", "y": "7"}],
 "tiempo": "1", "crs": "EPSG:25830"})";

// The base study with its first `de` written as `por`.
std::string con(const std::string& de, const std::string& por) {
    std::string t = base;
    return t.replace(t.find(de), de.size(), por);
}

std::string mensaje(const std::string& nombre, const std::string& motivo) {
    return "No se puede abrir «" + nombre + "»: " + motivo + ".";
}

// A study of texts of every kind: quotes, tabs, markup, a backslash, a byte order mark, line
// breaks, a control code and characters beyond the basic plane.
Estudio raro() {
    Estudio e;
    e.S = "1.23456789012345E-300";
    e.puntos = {{"€ 𝄞", "1E+20", "."}};
    e.crs = "EPSG:25830";
    e.pozos = {{"Pozo \"A\"\t<b>x</b>\\", "123456789012345", "-0.000123", "", "1"},
               {"\uFEFFÑandú\r\nnorte\x01", "", "", "", ""}};
    return e;
}

// A text read: its refusal, or the aquifer's T.
using Leidos = Tabla<std::string, std::string, std::string>;
// Whether it is saved or opened, the file in the folder, and why it cannot be.
using Archivos = Tabla<std::string, std::string>;

}  // namespace

// What is not a study is refused, saying why; a number is the text the program would have written
// for it.
TEST_P(Leidos, RefusesWhatIsNotAStudyReadsNumbersAsWritten) {
    const auto& [nombre, texto, motivo, T] = GetParam();
    const Resuelto<Estudio> l = leer_estudio(texto, "e.abat");
    EXPECT_EQ(l.rechazo(), motivo.empty() ? "" : mensaje("e.abat", motivo));
    EXPECT_EQ(valor_de(l).value_or(Estudio{}).T, T);
}

const std::string ajeno = "no es un estudio de abatimientos: ";
const std::string valor = " no es un texto ni un número";
const std::string T = R"("0.01")";
// clang-format off
INSTANTIATE_TEST_SUITE_P(Estudio, Leidos, testing::ValuesIn(std::vector<Leidos::ParamType>{
    {"json_no_valido", con(R"("1", )", "tru, "), "no es JSON válido (línea 6, columna 16: valor no válido)", ""},
    {"no_utf8", con("P2", "P\xE9"), "no es texto UTF-8 (línea 4, columna 25)", ""},
    {"utf16", std::string("{\0\"\0", 4), "no es texto UTF-8 (línea 1, columna 2)", ""},
    {"anidado_de_mas", con(R"("1", )", R"("1", "z": )" + std::string(2000, '[')), "anida demasiados niveles (línea 6, columna 1046)", ""},
    {"incompleto", base.substr(0, 150), "está incompleto: se acaba antes de cerrar el estudio", ""},
    {"vacio_con_marca_de_orden", "\xEF\xBB\xBF \n\t", "está vacío", ""},
    {"sin_formato", con(R"("formato": "abatimientos", )", ""), ajeno + "le falta «formato»", ""},
    {"de_otro_formato", con("\"abatimientos\"", "\"Abatimientos\""), ajeno + "su «formato» no es «abatimientos»", ""},
    {"version_mas_reciente", con("\"version\": 1", "\"version\": 3"), "es de la versión 3 del formato, más reciente que la 2 que lee este programa", ""},
    {"clave_desconocida", con(R"("tiempo")", R"("goteo": {"c": "50"}, "tiempo")"), "tiene un campo de más: «goteo»", ""},
    {"acuifero_con_campo_de_mas", con(T, R"("0.01", "K": 1)"), "«acuifero» tiene un campo de más: «K»", ""},
    {"acuitardo_no_objeto", con(R"("tiempo")", R"("acuitardo": "50", "tiempo")"), "«acuitardo» no es un objeto", ""},
    {"acuitardo_sin_c", con(R"("tiempo")", R"("acuitardo": {}, "tiempo")"), "«acuitardo» no tiene «c»", ""},
    {"acuitardo_con_campo_de_mas", con(R"("tiempo")", R"("acuitardo": {"c": "5", "k": 1}, "tiempo")"), "«acuitardo» tiene un campo de más: «k»", ""},
    {"c_lista", con(R"("tiempo")", R"("acuitardo": {"c": []}, "tiempo")"), "«c» de «acuitardo»" + valor, ""},
    {"version_no_entera", con("\"version\": 1", "\"version\": 1.5"), "«version» no es un número entero positivo", ""},
    {"version_cero", con("\"version\": 1", "\"version\": 0"), "«version» no es un número entero positivo", ""},
    {"T_objeto", con(T, "{}"), "«T» de «acuifero»" + valor, ""}, {"crs_lista", con(R"("EPSG:25830")", "[]"), "«crs»" + valor, ""},
    {"tiempo_booleano", con(R"("tiempo": "1")", R"("tiempo": true)"), "«tiempo»" + valor, ""},
    {"caudal_nulo", con(R"("0.05")", "null"), "«caudal» del pozo 1" + valor, ""},
    {"puntos_no_lista", con(R"("puntos": )", R"("puntos": "A", "no": )"), "«puntos» no es una lista", ""},
    {"punto_no_objeto", con(R"({"nombre": "A", "x": "100", "y": "7"})", "7"), "el punto 1 no es un objeto", ""},
    {"pozo_sin_caudal", con(R"("caudal": "0.02", )", ""), "el pozo 2 no tiene «caudal»", ""},
    {"punto_con_campo_de_mas", con(R"("7")", R"("7", "Y": 8)"), "el punto 1 tiene un campo de más: «Y»", ""},
    {"pozo_con_campo_de_mas", con(R"("0.05")", R"("0.05", "zona": 8)"), "el pozo 1 tiene un campo de más: «zona»", ""},
    {"numero_decimal", con(T, "0.1"), "", "0.1"}, {"numero_con_exponente", con(T, "1e20"), "", "1E+20"}, {"numero_entero", con(T, "3"), "", "3"},
    {"menos_cero", con(T, "-0"), "", "0"}, {"suma_binaria", con(T, "0.30000000000000004"), "", "0.3"},
    {"numero_largo", con(T, "123456789012345678"), "", "1.23456789012346E+17"}}), por_nombre);
// clang-format on

// What is missing is empty; texts are escaped as JSON needs and no more, and a text that is not
// UTF-8 is written with U+FFFD for its bad byte.
TEST(Estudio, MissingIsEmptyAndBadBytesMended) {
    const std::string otro = R"({"version": 1.0, "acuifero": {"T": "5"},
                                 "formato": "abatimientos"})";
    EXPECT_EQ(valor_de(leer_estudio(otro, "e")), con_T("5"));
    const std::string mal = escribir_estudio(con_T("\uFEFF1\xFF"));
    EXPECT_EQ(valor_de(leer_estudio(mal, "e")), con_T("\uFEFF1\uFFFD"));
    const std::string escapado = R"("Pozo \"A\"\t<b>x</b>\\")";  // as JSON needs, no more
    EXPECT_NE(escribir_estudio(raro()).find(escapado), std::string::npos);
}

// The aquitard is written as typed, and only a study that holds one is of version 2, which a
// program that computes without it refuses as newer; an empty box writes none.
TEST(Estudio, AnAquitardMakesAStudyOfVersionTwo) {
    struct Caso {
        std::optional<std::string> c;
        const char* escrito;
        std::optional<std::string> leido;
    };
    for (const auto& [c, escrito, leido] :
         {Caso{std::nullopt, "\"version\": 1,", std::nullopt},
          Caso{"", "\"version\": 1,", std::nullopt},
          Caso{"43.9 ",
               "\"version\": 2,\n  \"acuifero\": {\"T\": \"0.01\", \"S\": \"\"},\n"
               "  \"acuitardo\": {\"c\": \"43.9 \"},",
               "43.9 "}}) {
        Estudio e = con_T("0.01");
        e.acuitardo = c;
        const std::string texto = escribir_estudio(e);
        EXPECT_NE(texto.find(escrito), std::string::npos) << texto;
        e.acuitardo = leido;
        EXPECT_EQ(valor_de(leer_estudio(texto, "e")), e);
    }
}

// What is saved opens again the same, texts of every kind as they were.
TEST_P(Guardados, SavedStudyOpensTheSame) {
    const Estudio& e = std::get<1>(GetParam());
    const Carpeta dir;
    guardar_estudio(e, dir / "e.abat");
    const Resuelto<Estudio> l = abrir_estudio(dir / "e.abat");
    EXPECT_EQ(valor_de(l), e) << l.rechazo();
}

INSTANTIATE_TEST_SUITE_P(Estudio, Guardados,
                         testing::ValuesIn(std::vector<Guardados::ParamType>{
                             {"textos_de_toda_clase", raro()}, {"vacio", {}}}),
                         por_nombre);

// A file that cannot be read, or far too large to be a study, is refused before it is read, and
// why (a file that cannot be written: test_escrituras).
TEST_P(Archivos, FilesThatCannotBeRead) {
    const auto& [nombre, archivo, motivo] = GetParam();
    if (archivo == "cerrado" && geteuid() == 0)
        GTEST_SKIP() << "root reads a file without permission";
    const Carpeta dir;
    for (const char* n : {"cerrado", "1GB", "4GB"}) std::ofstream(dir / n) << base;
    fs::permissions(dir / "cerrado", fs::perms::none);
    fs::resize_file(dir / "1GB", tamano_maximo_estudio);
    fs::resize_file(dir / "4GB", 4LL << 30);
    const std::string ruta = archivo.starts_with("/") ? archivo : dir / archivo;
    EXPECT_EQ(abrir_estudio(ruta).rechazo(), mensaje(ruta, motivo));
}

const std::string limite = " bytes, y un estudio ha de ocupar menos de 1 GB";
// clang-format off
INSTANTIATE_TEST_SUITE_P(Estudio, Archivos, testing::ValuesIn(std::vector<Archivos::ParamType>{{"que_falta", "falta", "no existe"},
    {"carpeta", "", "es una carpeta"}, {"dispositivo", "/dev/null", "no es un archivo ordinario"},
    {"sin_permiso", "cerrado", "no hay permiso para leerlo"}, {"de_1_GB", "1GB", "ocupa 1000000000" + limite},
    {"de_4_GB", "4GB", "ocupa 4294967296" + limite}}), por_nombre);
// clang-format on
