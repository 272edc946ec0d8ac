// The aquifer's boundaries and the wells' pumping steps in the study file: the keys and bytes
// written, a round trip, what a study without them writes, and every refusal of what is read.
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

Estudio con_limites_y_etapas() {
    // clang-format off
    return {.T = "0.01", .S = "0.0002",
            .pozos = {{"P1", "0.3", "0.05", "100", "0"}, {"P2", "0.3", "0.02", "300", "0"}, {"P3", "0.3", "0.01", "200", "50"}},
            .puntos = {{"A", "150", "10"}}, .tiempo = "20", .crs = {}, .ensayo = {},
            .limites = {{"Recarga", "0", "0", "0", "2400"}, {"Barrera", "-50", "-100", "900", "-100"}},
            .etapas = {{{"10", "0"}}, {}, {{"5", "0.03"}, {"12.5", "-0.01"}}}};
    // clang-format on
}

using Cambios = Tabla<std::string, std::string, std::string>;

}  // namespace

// The boundaries after the aquifer, their types as "recarga" and "barrera"; a well's steps after
// its own fields, only when it has some.
TEST(EstudioLimites, WritesTheKeysOfBoundariesAndSteps) {
    Estudio con_perdidas = con_limites_y_etapas();
    con_perdidas.perdidas = {{"2000", "2"}};
    const std::string texto = escribir_estudio(con_perdidas);
    EXPECT_NE(
        texto.find(
            R"("etapas": [{"desde": "10", "caudal": "0"}], "perdidas": {"C": "2000", "n": "2"}},)"),
        std::string::npos)
        << texto;
    EXPECT_EQ(escribir_estudio(con_limites_y_etapas()),
              R"({
  "formato": "abatimientos",
  "version": 1,
  "acuifero": {"T": "0.01", "S": "0.0002"},
  "limites": [
    {"tipo": "recarga", "x1": "0", "y1": "0", "x2": "0", "y2": "2400"},
    {"tipo": "barrera", "x1": "-50", "y1": "-100", "x2": "900", "y2": "-100"}
  ],
  "pozos": [
    {"nombre": "P1", "diametro": "0.3", "caudal": "0.05", "x": "100", "y": "0", "etapas": [{"desde": "10", "caudal": "0"}]},
    {"nombre": "P2", "diametro": "0.3", "caudal": "0.02", "x": "300", "y": "0"},
    {"nombre": "P3", "diametro": "0.3", "caudal": "0.01", "x": "200", "y": "50", "etapas": [{"desde": "5", "caudal": "0.03"}, {"desde": "12.5", "caudal": "-0.01"}]}
  ],
  "puntos": [
    {"nombre": "A", "x": "150", "y": "10"}
  ],
  "tiempo": "20"
}
)");
}

// Read back as written; the types as the table shows them, any other as the table keeps it; a
// well with no steps listed has none, and the list ends with the last well that has some.
TEST_P(Guardados, ReadBackAsWritten) {
    const Estudio& de = std::get<1>(GetParam());
    EXPECT_EQ(valor_de(leer_estudio(escribir_estudio(de), "e.abat")), de);
}

// Without boundaries or steps nothing of them is written; the types in any case; a well whose
// steps are an empty list has none.
TEST(EstudioLimites, ReadsTypesInAnyCaseAndEmptySteps) {
    const Estudio e = con_limites_y_etapas();
    Estudio sin = e, sin_primeras = e;
    sin.limites.clear(), sin.etapas.clear();
    sin_primeras.etapas[0].clear();
    const std::string texto = escribir_estudio(sin);
    EXPECT_TRUE(texto.find("limites") == texto.npos && texto.find("etapas") == texto.npos);
    std::string otro = escribir_estudio(e);
    otro.replace(otro.find("\"recarga\""), 9, "\"RECARGA\"");
    otro.replace(otro.find("\"barrera\""), 9, "\"Barrera\"");
    EXPECT_EQ(valor_de(leer_estudio(otro, "e.abat")), e);
    const std::string primeras = R"("etapas": [{"desde": "10", "caudal": "0"}])";
    otro.replace(otro.find(primeras), primeras.size(), R"("etapas": [])");
    EXPECT_EQ(valor_de(leer_estudio(otro, "e.abat")), sin_primeras);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EstudioLimites, Guardados, testing::ValuesIn(std::vector<Guardados::ParamType>{{"con_limites_y_etapas", con_limites_y_etapas()},
    {"sin_limites_ni_etapas", [] { Estudio e = con_limites_y_etapas(); e.limites.clear(), e.etapas.clear(); return e; }()},
    {"sin_etapas_al_final", [] { Estudio e = con_limites_y_etapas(); e.etapas = {{}, {{"1", "0"}}}; return e; }()},
    {"otro_tipo", [] { Estudio e = con_limites_y_etapas(); e.limites[0].tipo = "río"; return e; }()},
    {"con_perdidas", [] { Estudio e = con_limites_y_etapas(); e.perdidas = {{}, {"2000", "2"}, {"1,5e3", "x"}}; e.ensayo.pozo = "P2"; return e; }()}}), por_nombre);
// clang-format on

// What is written instead of what, and why that is refused; a number stands for its text.
TEST_P(Cambios, RefusesBoundariesAndStepsOfTheWrongKind) {
    const auto& [nombre, de, por, motivo] = GetParam();
    std::string t = escribir_estudio(con_limites_y_etapas());
    const Resuelto<Estudio> l = leer_estudio(t.replace(t.find(de), de.size(), por), "e.abat");
    EXPECT_EQ(l.rechazo(), motivo.empty() ? "" : "No se puede abrir «e.abat»: " + motivo + ".")
        << t;
    EXPECT_TRUE(!motivo.empty() || valor_de(l) == con_limites_y_etapas()) << t;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(EstudioLimites, Cambios, testing::ValuesIn(std::vector<Cambios::ParamType>{
    {"sin_x2", R"("x2": "0", )", "", "el límite 1 no tiene «x2»"},
    {"campo_de_mas", R"("y2": "-100")", R"("y2": "-100", "z": "1")", "el límite 2 tiene un campo de más: «z»"},
    {"coordenada_nula", R"("y1": "0")", R"("y1": null)", "«y1» del límite 1 no es un texto ni un número"},
    {"limites_numero", "\"limites\": [\n", "\"limites\": 7, \"otros\": [\n", "«limites» no es una lista"},
    {"etapas_texto", R"("etapas": [{"desde": "10", "caudal": "0"}])", R"("etapas": "10")", "«etapas» del pozo 1 no es una lista"},
    {"etapa_sin_desde", R"({"desde": "12.5", )", "{", "la etapa 3 del pozo 3 no tiene «desde»"},
    {"etapa_con_campo_de_mas", R"("caudal": "0.03"})", R"("caudal": "0.03", "hasta": "9"})", "la etapa 2 del pozo 3 tiene un campo de más: «hasta»"},
    {"etapa_lista", R"({"desde": "5", "caudal": "0.03"})", "[5]", "la etapa 2 del pozo 3 no es un objeto"},
    {"caudal_booleano", R"("caudal": "-0.01")", R"("caudal": false)", "«caudal» de la etapa 3 del pozo 3 no es un texto ni un número"},
    {"desde_numero", R"("desde": "12.5")", R"("desde": 12.50)", ""},
    {"perdidas_sin_n", R"("y": "50", )", R"("y": "50", "perdidas": {"C": "1000"}, )", "«perdidas» del pozo 3 no tiene «n»"},
    {"perdidas_lista", R"("y": "0", )", R"("y": "0", "perdidas": [], )", "«perdidas» del pozo 1 no es un objeto"},
    {"perdidas_vacias", R"("y": "0", )", R"("y": "0", "perdidas": {"C": "", "n": ""}, )", ""}}), por_nombre);
// clang-format on
