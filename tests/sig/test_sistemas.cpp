#include <gtest/gtest.h>

#include "sig/sistema_coordenadas.h"

using namespace abat;

// The systems offered, no system first, and any EPSG code typed: named by PROJ as a user in Spain
// reads them, or refused with the reason when it is no code, unknown, or not a system projected
// in metres.
TEST(Sistemas, OfferedAndTypedSystemsCheckedAndNamed) {
    ASSERT_EQ(sistemas_ofrecidos().size(), 10U);
    EXPECT_EQ(etiqueta(sistemas_ofrecidos()[0]), "Sin sistema (coordenadas locales)");
    EXPECT_EQ(etiqueta(sistemas_ofrecidos()[6]), "EPSG:4083 · REGCAN95 / UTM huso 28N");
    const std::string metros = ": las coordenadas de pozos y puntos han de estar en metros.";
    const std::string no_es = " no es un código EPSG: escriba, por ejemplo, EPSG:25830 o 25830.";
    for (const auto& [texto, nombre_o_error] : std::vector<std::pair<std::string, std::string>>{
             {"EPSG:25830", "ETRS89 / UTM huso 30N"},
             {" epsg : 2062 ", "Madrid 1870 (Madrid) / Spain LCC"},
             {"EPSG:4326", "EPSG:4326 (WGS 84) no es un sistema proyectado" + metros},
             {"2227", "EPSG:2227 (NAD83 / California zone 3 (ftUS)) no mide en metros" + metros},
             {"EPSG:7030", "EPSG:7030 no es un sistema de coordenadas conocido."},  // an ellipsoid
             {"UTM 30", "«UTM 30»" + no_es},
             {"-25830", "«-25830»" + no_es},
             // from a study file: a quote of one line, cut
             {" uno\ndos " + std::string(40, 'x'),
              "«uno dos " + std::string(32, 'x') + "…»" + no_es}}) {
        const Resuelto<Sistema> l = leer_sistema(texto);
        EXPECT_EQ(l ? l->nombre : l.rechazo(), nombre_o_error) << texto;
    }
}
