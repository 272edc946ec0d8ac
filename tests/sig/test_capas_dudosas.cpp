// Layers as they come from other people: without the wells' diameters, or with features that
// land far from where the study's system is meant to be used.
#include <gtest/gtest.h>

#include "sig/archivos_sig.h"
#include "sig/importacion.h"

using namespace abat;
using namespace abat::prueba;

namespace {

const Sistema utm30 = *leer_sistema("25830").sistema;

struct Caso {
    const char* que;
    int epsg;  // the layer's; 0: none
    std::vector<std::string> puntos;
    Sistema estudio;
    std::vector<size_t> lejanos;
};

}  // namespace

// A wells layer without a diameter field is read with the diameters empty, for the user to give
// one for all; the rest as ever.
TEST(CapasDudosas, AWellsLayerWithoutDiameters) {
    const Carpeta carpeta;
    escribir_capa(
        carpeta / "p.gpkg", "GPKG", 25830, {{"Pozo", OFTString}, {"Caudal [m3/s]", OFTReal}},
        {{{"P1", "0.05"}, "POINT (440000 4470000)"}, {{"P2", "0.02"}, "POINT (440100 4470000)"}});
    const Importacion i = importar_capa(carpeta / "p.gpkg", Registro::pozo, utm30);
    ASSERT_TRUE(i.rechazo.empty()) << i.rechazo;
    EXPECT_TRUE(i.sin_diametro);
    EXPECT_EQ(i.registros,
              (std::vector<std::vector<std::string>>{{"P1", "", "0.05", "440000", "4470000"},
                                                     {"P2", "", "0.02", "440100", "4470000"}}));
    EXPECT_EQ(i.capa, "La capa «pozos» de «p.gpkg»");
    const Importacion puntos = importar_capa(carpeta / "p.gpkg", Registro::punto, utm30);
    EXPECT_FALSE(puntos.sin_diametro);  // points have none
}

// Features beyond the area of use of the system they land in by more than its own width or
// height are told by their place in the layer; those near it (Galicia or Catalonia in the UTM zone
// of the centre of Spain) are not.
TEST(CapasDudosas, FeaturesFarFromTheSystemsArea) {
    const Carpeta carpeta;
    // clang-format off
    const std::vector<Caso> casos = {
        {"longitudes and latitudes", 4326, {"POINT (-3.70 40.42)", "POINT (150 40)", "POINT (2.17 41.39)", "POINT (-8.5 42.9)"}, utm30, {1}},
        {"the Canary Islands in zone 30", 4326, {"POINT (-15.4 28.1)", "POINT (-3.7 -40)"}, utm30, {0, 1}},
        {"a layer without a system", 0, {"POINT (440000 4470000)", "POINT (440000 -15202379)"}, utm30, {1}},
        {"a study that takes the layer's", 25830, {"POINT (440000 4470000)", "POINT (9e7 4470000)"}, Sistema{}, {1}},
        {"no system at all", 0, {"POINT (440000 4470000)", "POINT (9e7 -4e8)"}, Sistema{}, {}},
    };
    // clang-format on
    for (const Caso& c : casos) {
        const std::string archivo = carpeta / (std::string(c.que) + ".shp");
        std::vector<Elemento> elementos;
        for (size_t k = 0; k < c.puntos.size(); ++k) {
            elementos.push_back({{"N" + std::to_string(k)}, c.puntos[k]});
        }
        escribir_capa(archivo, "ESRI Shapefile", c.epsg, {{"nombre", OFTString}}, elementos,
                      "puntos");
        const Importacion i = importar_capa(archivo, Registro::punto, c.estudio);
        ASSERT_TRUE(i.rechazo.empty()) << c.que << ": " << i.rechazo;
        EXPECT_EQ(i.registros.size(), c.puntos.size()) << c.que;
        EXPECT_EQ(i.lejanos, c.lejanos) << c.que;
    }
}
