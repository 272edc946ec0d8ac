// T and S from a pumping test: Theis's curve fitted by least squares, Cooper–Jacob's and the
// recovery's straight lines, Bourdet's derivative, and the refusals of a test that gives none.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "calc/abatimiento.h"
#include "calc/ajuste_ensayo.h"
#include "calc/datos_ensayo.h"
#include "calc/derivada_bourdet.h"
#include "calc/funcion_pozo.h"
#include "calc/rectas_ensayo.h"
#include "model/numeros.h"

using namespace abat;

namespace {

struct Sintetico {
    double T = 0;
    double S = 0;
    double Q = 0.01;
    std::vector<double> radios = {30};
    double ruido = 0;           // standard deviation of the drawdowns' noise, m
    std::optional<double> fin;  // minutes
    const char* unidad = "min";
};

// Readings at 30 times a well, log-spaced from 0.1 min to 1000 min, of Theis's drawdown with the
// program's well function, noise from a fixed seed added, written as the program writes numbers.
EnsayoTexto ensayo(const Sintetico& c) {
    std::mt19937 azar(20240611);
    std::normal_distribution<double> ruido(0, c.ruido > 0 ? c.ruido : 1);
    const double segundos = segundos_por_unidad(c.unidad);
    EnsayoTexto e;
    e.caudal = number_to_text(c.Q);
    e.unidad_tiempo = c.unidad;
    if (c.fin) e.fin_bombeo = number_to_text(*c.fin * 60 / segundos);
    for (size_t k = 0; k < c.radios.size(); ++k) {
        for (int i = 0; i < 30; ++i) {
            const double minutos = 0.1 * std::pow(10.0, 4.0 * i / 29);
            const std::optional<double> fin =
                c.fin ? std::optional<double>(*c.fin * 60) : std::nullopt;
            double s = abatimiento_theis({c.T, c.S}, c.Q, c.radios[k], minutos * 60, fin);
            if (c.ruido > 0) s += ruido(azar);
            e.medidas.push_back({"P" + std::to_string(k + 1), number_to_text(c.radios[k]),
                                 number_to_text(minutos * 60 / segundos), number_to_text(s),
                                 false});
        }
    }
    return e;
}

Sintetico caso(double T, double S, double Q = 0.01, std::vector<double> radios = {30},
               double ruido = 0, std::optional<double> fin = std::nullopt,
               const char* unidad = "min") {
    Sintetico c;
    c.T = T;
    c.S = S;
    c.Q = Q;
    c.radios = std::move(radios);
    c.ruido = ruido;
    c.fin = fin;
    c.unidad = unidad;
    return c;
}

DatosEnsayo datos(const EnsayoTexto& e) {
    Resuelto<DatosEnsayo> d = leer_ensayo(e);
    if (!d.valor) throw std::runtime_error(d.rechazo);
    return *d.valor;
}

AjusteTheis theis(const EnsayoTexto& e, std::optional<Acuifero> inicio = std::nullopt) {
    const Resuelto<AjusteTheis> a = ajustar_theis(datos(e), inicio);
    if (!a.valor) throw std::runtime_error(a.rechazo);
    return *a.valor;
}

double relativo(double a, double b) {
    return std::fabs(a / b - 1);
}

}  // namespace

// Theis's drawdown is the program's: the same well function and constants as a well of the
// field, and after the stop the recovery by superposition.
TEST(EnsayoTheis, AbatimientoDelPrograma) {
    const Pozo pozo{"P", 0.0, leer_estricto("0.02"), 0, 0};
    const DatosCalculo campo{0.005, 0.0003, 1, {pozo}, {}};
    for (const double dias : {0.001, 0.1, 1.0, 30.0}) {
        EXPECT_NEAR(abatimiento_theis({0.005, 0.0003}, 0.02, 50, dias * 86400),
                    abatimiento_pozo(campo, dias, pozo, 50, 0), 1e-12)
            << dias;
    }
    // Pumped for a day, two days after the stop.
    const double recuperado = abatimiento_theis({0.005, 0.0003}, 0.02, 50, 3 * 86400, 86400);
    EXPECT_NEAR(
        recuperado,
        abatimiento_pozo(campo, 3.0, pozo, 50, 0) - abatimiento_pozo(campo, 2.0, pozo, 50, 0),
        1e-12);
}

struct CasoExacto {
    const char* nombre;
    Sintetico datos;
};

class Exacto : public testing::TestWithParam<CasoExacto> {};

// Drawdowns without noise give back their T and S to the precision of their written digits, and
// intervals that are factors of about 1.
TEST_P(Exacto, RecuperaTyS) {
    const Sintetico& c = GetParam().datos;
    const AjusteTheis a = theis(ensayo(c));
    EXPECT_LT(relativo(a.acuifero.T, c.T), 1e-9);
    EXPECT_LT(relativo(a.acuifero.S, c.S), 1e-9);
    EXPECT_LT(a.rms, 1e-12);
    EXPECT_EQ(a.medidas, 30 * c.radios.size());
    EXPECT_LT(a.factorT, 1 + 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Ensayo, Exacto,
    testing::Values(CasoExacto{"un_piezometro", caso(0.01, 2e-4)},
                    CasoExacto{"tres_piezometros", caso(0.003, 5e-5, 0.01, {10, 45, 200})},
                    CasoExacto{"muy_transmisivo", caso(0.5, 1e-3, 0.05, {30, 300})},
                    CasoExacto{"poco_transmisivo", caso(1e-4, 1e-2, 0.001, {5})},
                    CasoExacto{"con_recuperacion", caso(0.01, 2e-4, 0.01, {30, 90}, 0, 100.0)},
                    CasoExacto{"en_horas", caso(0.01, 2e-4, 0.01, {30}, 0, std::nullopt, "h")},
                    CasoExacto{"en_segundos", caso(0.02, 1e-4, 0.01, {20}, 0, std::nullopt, "s")},
                    CasoExacto{"en_dias", caso(0.02, 1e-4, 0.01, {20}, 0, std::nullopt, "días")}),
    [](const auto& info) { return std::string(info.param.nombre); });

class ConRuido : public testing::TestWithParam<CasoExacto> {};

// With noise the fit lies close to the truth, which its 95 % interval holds, and the root mean
// square of the residuals is the noise's deviation.
TEST_P(ConRuido, RecuperaTySDentroDeSuIntervalo) {
    const Sintetico& c = GetParam().datos;
    const AjusteTheis a = theis(ensayo(c));
    EXPECT_LT(relativo(a.acuifero.T, c.T), 0.05);
    EXPECT_LT(relativo(a.acuifero.S, c.S), 0.15);
    EXPECT_GT(a.factorT, 1.0);
    EXPECT_LE(a.acuifero.T / a.factorT, c.T);
    EXPECT_GE(a.acuifero.T * a.factorT, c.T);
    EXPECT_LE(a.acuifero.S / a.factorS, c.S);
    EXPECT_GE(a.acuifero.S * a.factorS, c.S);
    EXPECT_NEAR(a.rms, c.ruido, 0.3 * c.ruido);
    // T and S of Theis's curve trade against each other: a larger T with a smaller S.
    EXPECT_LT(a.correlacion, -0.5);
    EXPECT_GT(a.correlacion, -1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Ensayo, ConRuido,
    testing::Values(CasoExacto{"un_piezometro", caso(0.01, 2e-4, 0.01, {30}, 0.005)},
                    CasoExacto{"dos_piezometros", caso(0.004, 1e-4, 0.009, {30, 90}, 0.01)},
                    CasoExacto{"cuatro_piezometros",
                               caso(0.02, 3e-4, 0.03, {15, 40, 80, 160}, 0.01)}),
    [](const auto& info) { return std::string(info.param.nombre); });

struct Inicio {
    const char* nombre;
    double porT;
    double porS;
};

class InicioLejano : public testing::TestWithParam<Inicio> {};

// Started three orders of magnitude off in T, in S or in both, the fit reaches the minimum it
// reaches from Cooper–Jacob's line.
TEST_P(InicioLejano, MismoMinimo) {
    const Sintetico c = caso(0.004, 1e-4, 0.009, {30, 90}, 0.01);
    const EnsayoTexto e = ensayo(c);
    const AjusteTheis cerca = theis(e);
    const Inicio& i = GetParam();
    const AjusteTheis lejos = theis(e, Acuifero{c.T * i.porT, c.S * i.porS});
    EXPECT_LT(relativo(lejos.acuifero.T, cerca.acuifero.T), 1e-7);
    EXPECT_LT(relativo(lejos.acuifero.S, cerca.acuifero.S), 1e-7);
    EXPECT_NEAR(lejos.rms, cerca.rms, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Ensayo, InicioLejano,
    testing::Values(Inicio{"T_por_mil", 1e3, 1}, Inicio{"T_entre_mil", 1e-3, 1},
                    Inicio{"S_por_mil", 1, 1e3}, Inicio{"S_entre_mil", 1, 1e-3},
                    Inicio{"ambas_por_mil", 1e3, 1e3}, Inicio{"ambas_entre_mil", 1e-3, 1e-3},
                    Inicio{"T_por_mil_S_entre_mil", 1e3, 1e-3},
                    Inicio{"T_entre_mil_S_por_mil", 1e-3, 1e3}),
    [](const auto& info) { return std::string(info.param.nombre); });

// Cooper–Jacob's line starts the fit near its end.
TEST(EnsayoTheis, InicioDeCooperJacobCerca) {
    const Sintetico c = caso(0.004, 1e-4, 0.009, {30, 90}, 0.01);
    const std::optional<Acuifero> a = inicio_cooper_jacob(datos(ensayo(c)));
    ASSERT_TRUE(a);
    EXPECT_LT(relativo(a->T, c.T), 0.2);
    EXPECT_LT(relativo(a->S, c.S), 0.5);
}

// A reading left out is out of the fit: a wild one changes nothing once excluded.
TEST(EnsayoTheis, MedidaExcluidaFueraDelAjuste) {
    const Sintetico c = caso(0.01, 2e-4, 0.01, {30, 90}, 0.005);
    const EnsayoTexto e = ensayo(c);
    EnsayoTexto con_error = e;
    con_error.medidas.insert(con_error.medidas.begin() + 10, {"P1", "30", "5", "3.5", false});
    EXPECT_GT(relativo(theis(con_error).acuifero.T, theis(e).acuifero.T), 0.01);
    con_error.medidas[10].excluida = true;
    const AjusteTheis sin = theis(con_error);
    EXPECT_EQ(sin.acuifero.T, theis(e).acuifero.T);
    EXPECT_EQ(sin.medidas, 60u);
    const DatosEnsayo d = datos(con_error);
    ASSERT_EQ(d.excluidas.size(), 1u);
    EXPECT_EQ(d.excluidas[0].numero, 11);
    EXPECT_EQ(d.excluidas[0].t, 300.0);
}

struct Rechazo {
    const char* nombre;
    std::function<void(EnsayoTexto&)> estropear;
    const char* dice;  // what the refusal says
};

class Rechazos : public testing::TestWithParam<Rechazo> {};

// A test that gives no fit is told why, and no number comes out.
TEST_P(Rechazos, DiceCual) {
    EnsayoTexto e = ensayo(caso(0.01, 2e-4, 0.01, {30, 90}));
    GetParam().estropear(e);
    const Resuelto<DatosEnsayo> d = leer_ensayo(e);
    std::string rechazo = d.rechazo;
    if (d.valor) {
        const Resuelto<AjusteTheis> a = ajustar_theis(*d.valor);
        EXPECT_FALSE(a.valor);
        rechazo = a.rechazo;
    }
    EXPECT_NE(rechazo.find(GetParam().dice), std::string::npos) << rechazo;
}

namespace {
void solo(EnsayoTexto& e, size_t n) {
    e.medidas.resize(n);
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Ensayo, Rechazos,
    testing::Values(
        Rechazo{"sin_caudal", [](EnsayoTexto& e) { e.caudal = " "; }, "Falta el caudal"},
        Rechazo{"caudal_cero", [](EnsayoTexto& e) { e.caudal = "0"; }, "caudal del ensayo es 0"},
        Rechazo{"caudal_negativo", [](EnsayoTexto& e) { e.caudal = "-0,01"; }, "es negativo"},
        Rechazo{"caudal_no_numerico", [](EnsayoTexto& e) { e.caudal = "mucho"; },
                "«mucho», no es un valor numérico"},
        Rechazo{"fin_no_numerico", [](EnsayoTexto& e) { e.fin_bombeo = "ayer"; },
                "El fin del bombeo, «ayer»"},
        Rechazo{"distancia_cero", [](EnsayoTexto& e) { e.medidas[4].r = "0"; },
                "La medida 5 está a una distancia de 0 m"},
        Rechazo{"distancia_negativa", [](EnsayoTexto& e) { e.medidas[4].r = "-30"; },
                "La medida 5 tiene una distancia negativa"},
        Rechazo{"tiempo_cero", [](EnsayoTexto& e) { e.medidas[0].t = "0"; },
                "La medida 1 es del comienzo del bombeo"},
        Rechazo{"abatimiento_no_numerico", [](EnsayoTexto& e) { e.medidas[7].s = "0,2 m"; },
                "La medida 8 (abatimiento): «0,2 m» no es un valor numérico"},
        Rechazo{"tiempo_vacio", [](EnsayoTexto& e) { e.medidas[2].t = ""; },
                "La medida 3 no tiene tiempo"},
        Rechazo{"dos_distancias", [](EnsayoTexto& e) { e.medidas[3].r = "31"; },
                "«P1» está a 30 m en la medida 1 y a 31 m en la medida 4"},
        Rechazo{"unidad_desconocida", [](EnsayoTexto& e) { e.unidad_tiempo = "semanas"; },
                "«semanas» no es ninguna"},
        Rechazo{"dos_medidas", [](EnsayoTexto& e) { solo(e, 2); }, "Hay 2 medidas en el ajuste"},
        Rechazo{"ninguna_medida",
                [](EnsayoTexto& e) {
                    for (MedidaTexto& m : e.medidas) m.excluida = true;
                },
                "Hay 0 medidas"},
        Rechazo{"abatimiento_que_baja",
                [](EnsayoTexto& e) {
                    for (MedidaTexto& m : e.medidas) {
                        m.s = number_to_text(1 / *numero_ensayo(m.t));
                    }
                },
                "no dan un ajuste"},
        Rechazo{"una_sola_razon",
                [](EnsayoTexto& e) {
                    solo(e, 4);
                    for (MedidaTexto& m : e.medidas) m = e.medidas[3];
                },
                "no distinguen T de S"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// The readings in metres and minutes and the rate with a decimal comma read as the window's
// cells hold them.
TEST(EnsayoDatos, LeeUnidadesYComas) {
    EnsayoTexto e;
    e.caudal = "0,00912";
    e.unidad_tiempo = "h";
    e.fin_bombeo = "2,5";
    e.medidas = {{"H30", "30", "0,5", "0.04", false},
                 {"H90", "90,0", "1", "0,9", true},
                 {"H30", "30.0", "3", "0.1", false}};
    const DatosEnsayo d = datos(e);
    EXPECT_EQ(d.Q, 0.00912);
    EXPECT_EQ(*d.fin, 9000);
    ASSERT_EQ(d.piezometros.size(), 1u);  // H90's only reading is left out
    EXPECT_EQ(d.piezometros[0].r, 30);
    ASSERT_EQ(d.medidas.size(), 2u);
    EXPECT_EQ(d.medidas[0].t, 1800);
    EXPECT_TRUE(d.recuperando(d.medidas[1]));
    ASSERT_EQ(d.excluidas.size(), 1u);
    EXPECT_EQ(d.excluidas[0].s, 0.9);
}

struct CasoRecta {
    const char* nombre;
    Sintetico datos;
    VentanaTiempos ventana;
    double tolerancia_S;
};

class CooperJacob : public testing::TestWithParam<CasoRecta> {};

// Each well's straight line through its late readings gives the aquifer back within what the
// line's approximation of W(u) allows.
TEST_P(CooperJacob, RecuperaTySPorPiezometro) {
    const CasoRecta& c = GetParam();
    const Resuelto<AjusteRectas> r = cooper_jacob(datos(ensayo(c.datos)), c.ventana);
    ASSERT_TRUE(r.valor) << r.rechazo;
    ASSERT_EQ(r.valor->rectas.size(), c.datos.radios.size());
    for (const RectaPiezometro& p : r.valor->rectas) {
        EXPECT_LT(relativo(p.acuifero.T, c.datos.T), 0.01) << p.piezometro;
        EXPECT_LT(relativo(p.acuifero.S, c.datos.S), c.tolerancia_S) << p.piezometro;
        EXPECT_GE(p.medidas.size(), 2u);
    }
    EXPECT_LT(relativo(r.valor->acuifero.T, c.datos.T), 0.01);
    EXPECT_EQ(r.valor->seleccion.has_value(), !c.ventana.dada());
}

INSTANTIATE_TEST_SUITE_P(
    Ensayo, CooperJacob,
    testing::Values(CasoRecta{"u_pequena", caso(0.01, 2e-4, 0.01, {30, 90}), {}, 0.05},
                    CasoRecta{"con_ruido", caso(0.01, 2e-4, 0.01, {30, 90}, 0.002), {}, 0.1},
                    CasoRecta{"ventana", caso(0.01, 2e-4, 0.01, {30}), {6000.0, 60000.0}, 0.05}),
    [](const auto& info) { return std::string(info.param.nombre); });

// The readings the fit's u chose are those where u ≤ 0.05: none earlier.
TEST(EnsayoRectas, MedidasConUPequena) {
    const Sintetico c = caso(0.01, 2e-4, 0.01, {30, 90});
    const DatosEnsayo d = datos(ensayo(c));
    const AjusteRectas r = *cooper_jacob(d).valor;
    for (const RectaPiezometro& p : r.rectas) {
        const double rr = d.piezometros[p.piezometro].r;
        const double limite = rr * rr * c.S / (4 * c.T * u_recta);
        EXPECT_NEAR(p.desde, limite, 0.4 * limite);
        for (const size_t i : p.medidas) EXPECT_GE(d.medidas[i].t * (1 + 1e-9), limite * 0.99);
    }
}

// Too few readings in the window, for every well: no line, and why for each.
TEST(EnsayoRectas, SinRectaDiceCual) {
    const DatosEnsayo d = datos(ensayo(caso(0.01, 2e-4, 0.01, {30, 90})));
    const Resuelto<AjusteRectas> r = cooper_jacob(d, {60.0, 70.0});
    ASSERT_FALSE(r.valor);
    EXPECT_EQ(r.rechazo,
              "Ningún piezómetro da una recta: «P1», menos de dos medidas en la ventana de "
              "tiempos; «P2», menos de dos medidas en la ventana de tiempos.");
}

// The residual drawdowns after the stop against t / t' give T from their slope.
TEST(EnsayoRectas, RecuperacionDaT) {
    const Sintetico c = caso(0.01, 2e-4, 0.01, {30, 90}, 0, 100.0);
    const Resuelto<AjusteRectas> r = recuperacion_theis(datos(ensayo(c)));
    ASSERT_TRUE(r.valor) << r.rechazo;
    EXPECT_EQ(r.valor->rectas.size(), 2u);
    EXPECT_LT(relativo(r.valor->acuifero.T, c.T), 0.01);
    EXPECT_EQ(r.valor->acuifero.S, 0);
    for (const RectaPiezometro& p : r.valor->rectas) EXPECT_GT(p.desde, 100.0 * 60);
    EXPECT_NE(
        recuperacion_theis(datos(ensayo(caso(0.01, 2e-4)))).rechazo.find("Falta el fin del bombeo"),
        std::string::npos);
}

// Where Theis's curve becomes a straight line on semi-log paper, its derivative with respect to
// ln t is Q / 4πT; on a line s = a + b ln t it is b at every reading, the ends too.
TEST(EnsayoDerivada, Bourdet) {
    std::vector<PuntoTiempo> recta;
    std::vector<PuntoTiempo> theis_tarde;
    for (int i = 0; i < 40; ++i) {
        const double t = std::pow(10.0, 1 + i * 0.1);
        recta.push_back({t, 0.3 + 0.7 * std::log(t)});
        theis_tarde.push_back({t * 100, abatimiento_theis({0.01, 2e-4}, 0.01, 30, t * 100)});
    }
    for (const PuntoTiempo& p : derivada_bourdet(recta)) EXPECT_NEAR(p.s, 0.7, 1e-12) << p.t;
    const std::vector<PuntoTiempo> d = derivada_bourdet(theis_tarde);
    ASSERT_EQ(d.size(), 40u);
    EXPECT_NEAR(d.back().s, 0.01 / (cuatro_pi * 0.01), 1e-3);
    // Two readings of one time have no slope between them: no value.
    EXPECT_TRUE(derivada_bourdet({{5, 1}, {5, 2}}).empty());
}

// Smoothing over 0.2 log cycles: the noise of close readings averages out in the derivative.
TEST(EnsayoDerivada, SuavizaElRuido) {
    std::mt19937 azar(7);
    std::normal_distribution<double> ruido(0, 0.002);
    std::vector<PuntoTiempo> p;
    for (int i = 0; i < 200; ++i) {
        const double t = std::pow(10.0, 3 + i * 0.01);
        p.push_back({t, 0.1 * std::log(t) + ruido(azar)});
    }
    double peor_suave = 0;
    double peor_crudo = 0;
    const std::vector<PuntoTiempo> suave = derivada_bourdet(p, 0.2);
    const std::vector<PuntoTiempo> crudo = derivada_bourdet(p, 0);
    for (size_t i = 20; i + 20 < p.size(); ++i) {
        peor_suave = std::max(peor_suave, std::fabs(suave[i].s - 0.1));
        peor_crudo = std::max(peor_crudo, std::fabs(crudo[i].s - 0.1));
    }
    EXPECT_LT(peor_suave, 0.02);
    EXPECT_GT(peor_crudo, 5 * peor_suave);
}
