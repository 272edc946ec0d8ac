#include <gtest/gtest.h>

#include "sig/sistema_coordenadas.h"
#include "support/casos.h"

using namespace abat;
using namespace abat::prueba;

// A text typed or read from a study, and the system's name or the refusal.
using Tecleados = abat::prueba::Tabla<std::string, std::string>;

// The systems offered, no system first.
TEST(Sistemas, Offered) {
    ASSERT_EQ(sistemas_ofrecidos().size(), 10U);
    EXPECT_EQ(etiqueta(sistemas_ofrecidos()[0]), "Sin sistema (coordenadas locales)");
    EXPECT_EQ(etiqueta(sistemas_ofrecidos()[6]), "EPSG:4083 · REGCAN95 / UTM huso 28N");
}

// Any EPSG code typed: named by PROJ as a user in Spain reads them, or refused with the reason when
// it is no code, unknown, or not a system projected in metres.
TEST_P(Tecleados, CheckedAndNamed) {
    const auto& [nombre, texto, nombre_o_error] = GetParam();
    const Resuelto<Sistema> l = leer_sistema(texto);
    EXPECT_EQ(l ? l->nombre : l.rechazo(), nombre_o_error);
}

const std::string metros = ": las coordenadas de pozos y puntos han de estar en metros.";
const std::string no_es = " no es un código EPSG: escriba, por ejemplo, EPSG:25830 o 25830.";
// clang-format off
INSTANTIATE_TEST_SUITE_P(Sistemas, Tecleados, testing::ValuesIn(std::vector<Tecleados::ParamType>{{"utm_30", "EPSG:25830", "ETRS89 / UTM huso 30N"},
    {"con_blancos_y_en_minusculas", " epsg : 2062 ", "Madrid 1870 (Madrid) / Spain LCC"},
    {"geografico", "EPSG:4326", "EPSG:4326 (WGS 84) no es un sistema proyectado" + metros},
    {"en_pies", "2227", "EPSG:2227 (NAD83 / California zone 3 (ftUS)) no mide en metros" + metros},
    {"un_elipsoide", "EPSG:7030", "EPSG:7030 no es un sistema de coordenadas conocido."}, {"sin_codigo", "UTM 30", "«UTM 30»" + no_es},
    {"negativo", "-25830", "«-25830»" + no_es},
    // from a study file: a quote of one line, cut
    {"de_varias_lineas_y_largo", " uno\ndos " + std::string(40, 'x'), "«uno dos " + std::string(32, 'x') + "…»" + no_es}}), por_nombre);
// clang-format on
