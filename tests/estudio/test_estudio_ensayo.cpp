// The pumping test in the study file: its key "ensayo", written only when there is a test, read
// back as typed, and refused, naming what is wrong, when it is not one.
#include <gtest/gtest.h>

#include "estudio/formato_estudio.h"
#include "support/casos.h"
#include "support/resuelto.h"

using namespace abat;
using namespace abat::prueba;

namespace {

// A study saved to a file opens again the same: a table instantiated beside the tests of each part
// of a study, its test in test_estudio.cpp.
using Guardados = Tabla<Estudio>;

Estudio con_ensayo(EnsayoTexto ensayo) {
    Estudio e;
    e.tiempo = "1";
    e.ensayo = std::move(ensayo);
    return e;
}

// A study whose "ensayo" is `ensayo`.
std::string con(const std::string& ensayo) {
    return R"({"formato": "abatimientos", "version": 1, "tiempo": "1", "ensayo": )" + ensayo + "}";
}

// clang-format off
const EnsayoTexto dos_medidas = {"0.00912", "min", "", {{"H30", "30", "0.1", "0.04", false}, {"H30", "30", "0.25", "0.9", true}}, {}, {}};
const EnsayoTexto escalonado = {"0.01", "min", "", {{"Pozo", "0.15", "1", "0.9", false}}, {{"180", "0.0196"}, {"360", "0,03x"}}, "P-03"};
// clang-format on
// What "ensayo" holds, and why that is refused.
using Rechazos = Tabla<std::string, std::string>;

}  // namespace

// The test's texts as typed, a reading left out marked "excluida": true, the others without it,
// read back as written; a study without a test writes no "ensayo" and opens with none, one without
// readings keeps its texts.
TEST(EstudioEnsayo, SeEscribeComoSeTecleoYSeLeeIgual) {
    const Estudio e = con_ensayo(dos_medidas);
    const std::string texto = escribir_estudio(e);
    EXPECT_NE(texto.find(R"(  "tiempo": "1",
  "ensayo": {"caudal": "0.00912", "unidad_tiempo": "min", "fin_bombeo": "",
    "medidas": [
      {"piezometro": "H30", "r": "30", "t": "0.1", "s": "0.04"},
      {"piezometro": "H30", "r": "30", "t": "0.25", "s": "0.9", "excluida": true}
    ]}
}
)"),
              std::string::npos)
        << texto;
    const std::string sin = escribir_estudio(con_ensayo({}));
    EXPECT_EQ(sin.find("ensayo"), std::string::npos) << sin;
    const std::string con_etapas = escribir_estudio(con_ensayo(escalonado));
    EXPECT_NE(
        con_etapas.find(
            R"("fin_bombeo": "", "pozo": "P-03", "etapas": [{"desde": "180", "caudal": "0.0196"}, {"desde": "360", "caudal": "0,03x"}],
    "medidas": [)"),
        std::string::npos)
        << con_etapas;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EstudioEnsayo, Guardados, testing::ValuesIn(std::vector<Guardados::ParamType>{
    {"ensayo_con_una_medida_excluida", con_ensayo(dos_medidas)}, {"sin_ensayo", con_ensayo({})},
    {"ensayo_sin_medidas", con_ensayo({"0.02", "días", "", {}, {}, {}})},
    {"ensayo_escalonado", con_ensayo(escalonado)},
    {"ensayo_como_se_tecleo", con_ensayo({"0.01", "h", "13,8", {{"Pz \"norte\"\t1", "30", "0.1", "abc", false}}, {}, {}})}}), por_nombre);
// clang-format on

// Numbers stand for the text the program writes; "excluida": false is a reading in the fit; a key
// not known is passed over.
TEST(EstudioEnsayo, LeeLoQueFalta) {
    const Resuelto<Estudio> l = leer_estudio(
        con(R"({"caudal": 0.00912, "medidas": [{"piezometro": "H30", "r": 30, "t": 1e-1, "s": 0.04,
              "excluida": false}], "otra": 1})"),
        "e.abat");
    ASSERT_TRUE(l) << l.rechazo();
    EXPECT_EQ(l->ensayo,
              (EnsayoTexto{"0.00912", "min", "", {{"H30", "30", "0.1", "0.04", false}}, {}, {}}));
}

// A test that is not one refuses the file, saying where, as the rest of the file is refused.
TEST_P(Rechazos, RechazaLoQueNoEsUnEnsayo) {
    const auto& [nombre, ensayo, motivo] = GetParam();
    EXPECT_EQ(leer_estudio(con(ensayo), "e.abat").rechazo(),
              "No se puede abrir «e.abat»: " + motivo + ".");
}

const std::string medida = R"({"piezometro": "H30", "r": "30", "t": "1", "s": "0.04")";
// clang-format off
INSTANTIATE_TEST_SUITE_P(EstudioEnsayo, Rechazos, testing::ValuesIn(std::vector<Rechazos::ParamType>{{"lista", "[]", "«ensayo» no es un objeto"},
    {"caudal_objeto", R"({"caudal": {}})", "«caudal» del ensayo no es un texto ni un número"},
    {"unidad_desconocida", R"({"unidad_tiempo": "semanas"})", "«unidad_tiempo» del ensayo, «semanas», no es s, min, h ni días"},
    {"medidas_objeto", R"({"medidas": {}})", "«medidas» del ensayo no es una lista"},
    {"medida_numero", R"({"medidas": [)" + medida + "}, 3]}", "la medida 2 del ensayo no es un objeto"},
    {"medida_sin_tiempo", R"({"medidas": [{"piezometro": "H30", "r": "30", "s": "0.04"}]})", "la medida 1 del ensayo no tiene «t»"},
    {"tiempo_lista", R"({"medidas": [{"piezometro": "H30", "r": "30", "t": [], "s": "0.04"}]})", "«t» de la medida 1 del ensayo no es un texto ni un número"},
    {"campo_de_mas", R"({"medidas": [)" + medida + R"(, "x": 1}]})", "la medida 1 del ensayo tiene un campo de más: «x»"},
    {"etapas_objeto", R"({"etapas": {}})", "«etapas» del ensayo no es una lista"},
    {"etapa_sin_caudal", R"({"etapas": [{"desde": "10"}]})", "la etapa 2 del ensayo no tiene «caudal»"},
    {"excluida_texto", R"({"medidas": [)" + medida + R"(, "excluida": "true"}]})", "«excluida» de la medida 1 del ensayo no es true ni false"}}), por_nombre);
// clang-format on
