// The pumping test in the study file: its key "ensayo", written only when there is a test, read
// back as typed, and refused, naming what is wrong, when it is not one.
#include <gtest/gtest.h>

#include "estudio/formato_estudio.h"

using namespace abat;

namespace {

Estudio con_ensayo() {
    Estudio e;
    e.T = "0.01";
    e.S = "0.0002";
    e.pozos = {{"P1", "0.3", "0.05", "0", "0"}};
    e.tiempo = "1";
    e.ensayo.caudal = "0.00912";
    e.ensayo.medidas = {{"H30", "30", "0.1", "0.04", false}, {"H30", "30", "0.25", "0.9", true}};
    return e;
}

const std::string cabecera = R"({"formato": "abatimientos", "version": 1, "tiempo": "1"})";

// A study whose "ensayo" is `ensayo`.
std::string con(const std::string& ensayo) {
    return cabecera.substr(0, cabecera.size() - 1) + R"(, "ensayo": )" + ensayo + "}";
}

const std::string medida = R"({"piezometro": "H30", "r": "30", "t": "0.1", "s": "0.04"})";

}  // namespace

// The test's texts as typed, a reading left out marked "excluida": true, the others without it;
// the same bytes every time.
TEST(EstudioEnsayo, SeEscribeComoSeTecleo) {
    const std::string texto = escribir_estudio(con_ensayo());
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
    EXPECT_EQ(escribir_estudio(con_ensayo()), texto);
}

struct Ida {
    const char* nombre;
    std::function<void(EnsayoTexto&)> cambiar;
};

class IdaYVuelta : public testing::TestWithParam<Ida> {};

// Written and read, the study is the one written, its test included.
TEST_P(IdaYVuelta, VuelveIgual) {
    Estudio e = con_ensayo();
    GetParam().cambiar(e.ensayo);
    const LecturaEstudio l = leer_estudio(escribir_estudio(e), "e.abat");
    ASSERT_TRUE(l.estudio) << l.rechazo;
    EXPECT_EQ(*l.estudio, e);
}

INSTANTIATE_TEST_SUITE_P(
    Estudio, IdaYVuelta,
    testing::Values(Ida{"tal_cual", [](EnsayoTexto&) {}},
                    Ida{"en_horas_con_fin",
                        [](EnsayoTexto& t) {
                            t.unidad_tiempo = "h";
                            t.fin_bombeo = "13,8";
                        }},
                    Ida{"en_dias", [](EnsayoTexto& t) { t.unidad_tiempo = "días"; }},
                    Ida{"sin_medidas", [](EnsayoTexto& t) { t.medidas.clear(); }},
                    Ida{"solo_la_unidad",
                        [](EnsayoTexto& t) {
                            t = EnsayoTexto{};
                            t.unidad_tiempo = "s";
                        }},
                    Ida{"textos_raros",
                        [](EnsayoTexto& t) {
                            t.medidas[0].piezometro = "Pz \"norte\"\t1";
                            t.medidas[1].s = "abc";
                        }},
                    Ida{"todas_excluidas",
                        [](EnsayoTexto& t) {
                            for (MedidaTexto& m : t.medidas) m.excluida = true;
                        }}),
    [](const auto& info) { return std::string(info.param.nombre); });

// A study without a test writes no "ensayo": its file stays byte for byte what it was.
TEST(EstudioEnsayo, SinEnsayoNoSeEscribe) {
    Estudio e = con_ensayo();
    e.ensayo = {};
    EXPECT_EQ(escribir_estudio(e), R"({
  "formato": "abatimientos",
  "version": 1,
  "acuifero": {"T": "0.01", "S": "0.0002"},
  "pozos": [
    {"nombre": "P1", "diametro": "0.3", "caudal": "0.05", "x": "0", "y": "0"}
  ],
  "puntos": [],
  "tiempo": "1"
}
)");
}

// A study without "ensayo" opens with no test, minutes its unit; numbers stand for the text the
// program writes; "excluida": false is a reading in the fit; a missing unit is minutes.
TEST(EstudioEnsayo, LeeLoQueFalta) {
    const LecturaEstudio sin = leer_estudio(cabecera, "e.abat");
    ASSERT_TRUE(sin.estudio);
    EXPECT_TRUE(sin.estudio->ensayo.vacio());
    EXPECT_EQ(sin.estudio->ensayo.unidad_tiempo, "min");

    const LecturaEstudio l = leer_estudio(
        con(R"({"caudal": 0.00912, "medidas": [{"piezometro": "H30", "r": 30, "t": 1e-1, "s": 0.04,
              "excluida": false}], "otra": 1})"),
        "e.abat");
    ASSERT_TRUE(l.estudio) << l.rechazo;
    EnsayoTexto esperado;
    esperado.caudal = "0.00912";
    esperado.medidas = {{"H30", "30", "0.1", "0.04", false}};
    EXPECT_EQ(l.estudio->ensayo, esperado);
}

// A test that is not one refuses the file, saying where, as the rest of the file is refused.
TEST(EstudioEnsayo, RechazaLoQueNoEsUnEnsayo) {
    const std::vector<std::pair<std::string, std::string>> casos = {
        {con("[]"), "«ensayo» no es un objeto"},
        {con(R"({"caudal": {}})"), "«caudal» del ensayo no es un texto ni un número"},
        {con(R"({"fin_bombeo": null})"), "«fin_bombeo» del ensayo no es un texto ni un número"},
        {con(R"({"unidad_tiempo": "semanas"})"),
         "«unidad_tiempo» del ensayo, «semanas», no es s, min, h ni días"},
        {con(R"({"unidad_tiempo": 60})"),
         "«unidad_tiempo» del ensayo, «60», no es s, min, h ni días"},
        {con(R"({"medidas": {}})"), "«medidas» del ensayo no es una lista"},
        {con(R"({"medidas": [)" + medida + R"(, 3]})"), "la medida 2 del ensayo no es un objeto"},
        {con(R"({"medidas": [{"piezometro": "H30", "r": "30", "s": "0.04"}]})"),
         "la medida 1 del ensayo no tiene «t»"},
        {con(R"({"medidas": [{"piezometro": "H30", "r": "30", "t": [], "s": "0.04"}]})"),
         "«t» de la medida 1 del ensayo no es un texto ni un número"},
        {con(R"({"medidas": [{"piezometro": "H30", "r": "30", "t": "1", "s": "0.04", "x": 1}]})"),
         "la medida 1 del ensayo tiene un campo de más: «x»"},
        {con(R"({"medidas": [{"piezometro": "H30", "r": "30", "t": "1", "s": "0.04",
              "excluida": "true"}]})"),
         "«excluida» de la medida 1 del ensayo no es true ni false"},
        {con(R"({"medidas": [{"piezometro": "H30", "r": "30", "t": "1", "s": "0.04",
              "excluida": 1}]})"),
         "«excluida» de la medida 1 del ensayo no es true ni false"},
    };
    for (const auto& [texto, motivo] : casos) {
        EXPECT_EQ(leer_estudio(texto, "e.abat").rechazo,
                  "No se puede abrir «e.abat»: " + motivo + ".")
            << texto;
    }
}
