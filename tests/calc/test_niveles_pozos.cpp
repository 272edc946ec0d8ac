// The water level inside every well: its own drawdown at its radius, the other wells' at its
// centre (each the same as a point's share there), the loss through its screen at its rate then,
// the wells without a radius named; and the loss's texts read or refused.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/abatimiento.h"
#include "calc/campo_pozos.h"
#include "calc/etapas.h"
#include "calc/niveles_pozos.h"
#include "support/casos.h"
#include "support/fixtures.h"

using namespace abat;
using namespace abat::prueba;

namespace {

// Two wells 100 m apart of radius 0.15 m, B stopped on day 1, a third without a diameter; the
// level after two days.
DatosCalculo campo_de_tres() {
    DatosCalculo d{{0.01, 2e-4}, 2, {}, {}};
    d.pozos = {pozo_en(0, 0, 0.05, 0.3), pozo_en(100, 0, 0.03, 0.3), pozo_en(0, 300, 0.02, 0)};
    d.pozos[2].nombre = "Sin";
    d.etapas = {{}, {{1, leer_estricto("0")}}};
    return d;
}

double theis(double Q, double r, double dias) {
    const Acuifero a{0.01, 2e-4};
    return abatimiento_fuente(a, FuncionPozo(a), Q, u_de(a, r, dias), r);
}

using Perdidas = Tabla<PerdidasTexto, std::optional<PerdidaPozo>, const char*>;

}  // namespace

// A's own drawdown is Theis's at its radius; its interference is B's and the third well's shares
// at its centre, as the results give a point there; A's loss C Q² at its rate, B's none once it
// has stopped; the third well gets no level and is named.
TEST(NivelesPozos, OwnAtTheRadiusInterferenceAsAPointLossAtTheRate) {
    DatosCalculo d = campo_de_tres();
    d.perdidas = {PerdidaPozo{2000, 2}, PerdidaPozo{1000, 2.5}};
    const CampoPozos campo(d);
    const std::vector<NivelPozo> n = niveles_pozos(campo);
    ASSERT_EQ(n.size(), 3U);
    EXPECT_DOUBLE_EQ(n[0].radio, 0.15);
    EXPECT_NEAR(*n[0].propio, theis(0.05, 0.15, 2), 1e-12);
    const double en_A = abatimiento_pozo(d, 2, 1, 0, 0) + abatimiento_pozo(d, 2, 2, 0, 0);
    EXPECT_NEAR(*n[0].interferencia, en_A, 1e-10);
    EXPECT_NEAR(en_A, theis(0.03, 100, 2) - theis(0.03, 100, 1) + theis(0.02, 300, 2), 1e-12);
    EXPECT_NEAR(*n[1].interferencia,
                abatimiento_pozo(d, 2, 0, 100, 0) + abatimiento_pozo(d, 2, 2, 100, 0), 1e-10);
    EXPECT_DOUBLE_EQ(n[0].perdidas, 2000 * 0.05 * 0.05);
    EXPECT_DOUBLE_EQ(n[1].perdidas, 0);  // stopped
    EXPECT_NEAR(*n[0].total(), *n[0].propio + *n[0].interferencia + 5, 1e-12);
    EXPECT_FALSE(n[2].propio || n[2].total());
    EXPECT_EQ(sin_radio(d),
              "El pozo 3 «Sin» no tiene diámetro: el nivel dentro del pozo se "
              "calcula a su radio.");
    // Each well's level against the other's interference: what one adds to the other.
    const DatosCalculo solo_A = [&] {
        DatosCalculo s = d;
        s.pozos[1].caudal = leer_estricto("0");
        return s;
    }();
    const CampoPozos campo_A(solo_A);
    EXPECT_NEAR(*niveles_pozos(campo_A)[0].propio, *n[0].propio, 1e-12);
}

TEST_P(Perdidas, ReadOrRefused) {
    const auto& [nombre, texto, leida, dice] = GetParam();
    const Resuelto<std::optional<PerdidaPozo>> r = leer_perdida(texto);
    EXPECT_EQ(r.rechazo(), dice);
    if (!r) return;
    EXPECT_EQ(r->has_value(), leida.has_value());
    if (*r && leida) {
        EXPECT_DOUBLE_EQ((*r)->C, leida->C);
        EXPECT_DOUBLE_EQ((*r)->n, leida->n);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(NivelesPozos, Perdidas, testing::ValuesIn(std::vector<Perdidas::ParamType>{
    {"ninguna", {"", ""}, std::nullopt, ""},
    {"sin_C_con_n", {" ", "2"}, std::nullopt, ""},
    {"jacob", {"1000", "2"}, PerdidaPozo{1000, 2}, ""},
    {"coma_decimal", {"1,5e3", "2,5"}, PerdidaPozo{1500, 2.5}, ""},
    {"C_cero", {"0", "3.5"}, PerdidaPozo{0, 3.5}, ""},
    {"C_texto", {"mil", "2"}, std::nullopt, "La C de la pérdida en el pozo, «mil», no es un número mayor o igual que 0."},
    {"C_negativa", {"-5", "2"}, std::nullopt, "La C de la pérdida en el pozo, «-5», no es un número mayor o igual que 0."},
    {"n_bajo", {"10", "1.49"}, std::nullopt, "El exponente n de la pérdida en el pozo, «1.49», no es un número entre 1.5 y 3.5."},
    {"n_vacio", {"10", ""}, std::nullopt, "El exponente n de la pérdida en el pozo, «», no es un número entre 1.5 y 3.5."},
}), por_nombre);
// clang-format on
