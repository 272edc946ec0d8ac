#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "estudio/archivo_estudio.h"
#include "model/errores.h"
#include "support/resuelto.h"

using namespace abat;
using abat::prueba::valor_de;
namespace fs = std::filesystem;

namespace {

Estudio con_T(const std::string& T) {
    Estudio e;
    e.T = T;
    return e;
}

using Casos = std::vector<std::pair<std::string, std::string>>;

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

class ArchivoEstudio : public testing::Test {
  protected:
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    const fs::path dir = fs::path(testing::TempDir()) / ("estudio" + std::to_string(getpid()));
};

}  // namespace

TEST(Estudio, RefusesWhatIsNotAStudyOrWhatItDoesNotKnowReadsNumbersAsWritten) {
    const std::string ajeno = "no es un estudio de abatimientos: ";
    const std::string valor = " no es un texto ni un número";
    const Casos casos = {
        {con(R"("1", )", "tru, "), "no es JSON válido (línea 6, columna 16: valor no válido)"},
        {con("P2", "P\xE9"), "no es texto UTF-8 (línea 4, columna 25)"},
        {std::string("{\0\"\0", 4), "no es texto UTF-8 (línea 1, columna 2)"},  // UTF-16
        {con(R"("1", )", R"("1", "z": )" + std::string(2000, '[')),
         "anida demasiados niveles (línea 6, columna 1046)"},
        {base.substr(0, 150), "está incompleto: se acaba antes de cerrar el estudio"},
        {"\xEF\xBB\xBF \n\t", "está vacío"},
        {con(R"("formato": "abatimientos", )", ""), ajeno + "le falta «formato»"},
        {con("\"abatimientos\"", "\"Abatimientos\""), ajeno + "su «formato» no es «abatimientos»"},
        {con("\"version\": 1", "\"version\": 3"),
         "es de la versión 3 del formato, más reciente que la 2 que lee este programa"},
        {con(R"("tiempo")", R"("goteo": {"c": "50"}, "tiempo")"), "tiene un campo de más: «goteo»"},
        {con(R"("0.01")", R"("0.01", "K": 1)"), "«acuifero» tiene un campo de más: «K»"},
        {con(R"("tiempo")", R"("acuitardo": "50", "tiempo")"), "«acuitardo» no es un objeto"},
        {con(R"("tiempo")", R"("acuitardo": {}, "tiempo")"), "«acuitardo» no tiene «c»"},
        {con(R"("tiempo")", R"("acuitardo": {"c": "5", "k": 1}, "tiempo")"),
         "«acuitardo» tiene un campo de más: «k»"},
        {con(R"("tiempo")", R"("acuitardo": {"c": []}, "tiempo")"), "«c» de «acuitardo»" + valor},
        {con("\"version\": 1", "\"version\": 1.5"), "«version» no es un número entero positivo"},
        {con("\"version\": 1", "\"version\": 0"), "«version» no es un número entero positivo"},
        {con(R"("0.01")", "{}"), "«T» de «acuifero»" + valor},
        {con(R"("EPSG:25830")", "[]"), "«crs»" + valor},
        {con(R"("tiempo": "1")", R"("tiempo": true)"), "«tiempo»" + valor},
        {con(R"("0.05")", "null"), "«caudal» del pozo 1" + valor},
        {con(R"("puntos": )", R"("puntos": "A", "no": )"), "«puntos» no es una lista"},
        {con(R"({"nombre": "A", "x": "100", "y": "7"})", "7"), "el punto 1 no es un objeto"},
        {con(R"("caudal": "0.02", )", ""), "el pozo 2 no tiene «caudal»"},
        {con(R"("7")", R"("7", "Y": 8)"), "el punto 1 tiene un campo de más: «Y»"},
        {con(R"("0.05")", R"("0.05", "zona": 8)"), "el pozo 1 tiene un campo de más: «zona»"},
    };
    for (const auto& [texto, motivo] : casos)
        EXPECT_EQ(leer_estudio(texto, "e.abat").rechazo(), mensaje("e.abat", motivo)) << texto;
    // A number is the text the program would have written for it; what is missing is empty.
    // clang-format off
    const Casos numeros = {{"0.1", "0.1"}, {"1e20", "1E+20"}, {"3", "3"}, {"-0", "0"},
                           {"0.30000000000000004", "0.3"}, {"123456789012345678", "1.23456789012346E+17"}};
    // clang-format on
    for (const auto& [numero, texto] : numeros)
        EXPECT_EQ(valor_de(leer_estudio(con(R"("0.01")", numero), "e")).value_or(Estudio{}).T,
                  texto);
    const std::string otro = R"({"version": 1.0, "acuifero": {"T": "5"},
                                 "formato": "abatimientos"})";
    EXPECT_EQ(valor_de(leer_estudio(otro, "e")), con_T("5"));
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

// What is saved opens again the same, texts of every kind as they were; a text that is not
// UTF-8 with U+FFFD for its bad byte.
TEST_F(ArchivoEstudio, SavedStudyOpensTheSame) {
    Estudio raro;
    raro.S = "1.23456789012345E-300";
    raro.puntos = {{"€ 𝄞", "1E+20", "."}};
    raro.crs = "EPSG:25830";
    raro.pozos = {{"Pozo \"A\"\t<b>x</b>\\", "123456789012345", "-0.000123", "", "1"},
                  {"\uFEFFÑandú\r\nnorte\x01", "", "", "", ""}};
    for (const auto& [e, esperado] : {std::pair{raro, raro},
                                      {Estudio{}, Estudio{}},
                                      {con_T("\uFEFF1\xFF"), con_T("\uFEFF1\uFFFD")}}) {
        guardar_estudio(e, (dir / "e.abat").string());
        std::ifstream f(dir / "e.abat");  // texts escaped as JSON needs, no more
        const std::string texto{std::istreambuf_iterator<char>(f), {}};
        EXPECT_TRUE(e != raro || texto.find(R"("Pozo \"A\"\t<b>x</b>\\")") != std::string::npos);
        const Resuelto<Estudio> l = abrir_estudio((dir / "e.abat").string());
        EXPECT_EQ(valor_de(l), esperado) << l.rechazo();
    }
}

// A file that cannot be read, or far too large to be a study, is refused before it is read. A file
// that cannot be written is error 75 with its path and the system's cause, and leaves no temporary
// file behind: a missing folder, and a folder where the file should go.
TEST_F(ArchivoEstudio, FilesThatCannotBeReadOrWritten) {
    for (const char* nombre : {"cerrado", "1GB", "4GB"}) std::ofstream(dir / nombre) << base;
    fs::permissions(dir / "cerrado", fs::perms::none);
    fs::resize_file(dir / "1GB", tamano_maximo_estudio);
    fs::resize_file(dir / "4GB", 4LL << 30);
    fs::create_directory(dir / "carpeta.abat");
    const std::string limite = " bytes, y un estudio ha de ocupar menos de 1 GB";
    // clang-format off
    const Casos casos = {{"falta", "no existe"}, {"", "es una carpeta"},
                         {"/dev/null", "no es un archivo ordinario"},
                         {"cerrado", "no hay permiso para leerlo"},
                         {"1GB", "ocupa 1000000000" + limite}, {"4GB", "ocupa 4294967296" + limite}};
    // clang-format on
    for (const auto& [nombre, motivo] : casos) {
        if (nombre == "cerrado" && geteuid() == 0) continue;  // told apart below
        EXPECT_EQ(abrir_estudio((dir / nombre).string()).rechazo(),
                  mensaje((dir / nombre).string(), motivo));
    }
    for (const auto& [ruta, motivo] :
         {std::pair{(dir / "falta" / "e.abat").string(), "No existe el directorio"},
          {(dir / "carpeta.abat").string(), "Es un directorio"}}) {
        std::tuple<int, std::string, std::string> error;
        try {
            guardar_estudio(Estudio{}, ruta);
        } catch (const ErrorCalculo& e) {
            error = {e.numero(), e.ruta, e.motivo};
        }
        EXPECT_EQ(error, std::tuple(75, ruta, motivo));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 4);
    if (geteuid() == 0) GTEST_SKIP() << "root reads a file without permission: not checked";
}
