// T and S from a pumping test: Theis's curve fitted by least squares, Cooper–Jacob's and the
// recovery's straight lines, Bourdet's derivative, and the refusals of a test that gives none.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
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
    double T = 0.01;
    double S = 2e-4;
    double Q = 0.01;
    std::vector<double> radios = {30};
    double ruido = 0;                // standard deviation of the drawdowns' noise, m
    std::optional<double> fin = {};  // minutes
    const char* unidad = "min";
    double segundos = 60;  // in one of that unit
    bool coma = false;     // numbers written with a decimal comma
};

// Readings at 30 times a well, log-spaced from 0.1 min to 1000 min, of Theis's drawdown, noise
// from a fixed seed added, written as the program writes numbers.
EnsayoTexto ensayo(const Sintetico& c) {
    std::mt19937 azar(20240611);
    std::normal_distribution<double> ruido(0, c.ruido > 0 ? c.ruido : 1);
    const double segundos = c.segundos;
    const auto escrito = [&](double v) {
        std::string t = number_to_text(v);
        if (c.coma) std::replace(t.begin(), t.end(), '.', ',');
        return t;
    };
    EnsayoTexto e{escrito(c.Q), c.unidad, c.fin ? escrito(*c.fin * 60 / segundos) : "", {}};
    const auto fin = c.fin ? std::optional<double>(*c.fin * 60) : std::nullopt;
    for (size_t k = 0; k < c.radios.size(); ++k) {
        for (int i = 0; i < 30; ++i) {
            const double t = 6 * std::pow(10.0, 4.0 * i / 29);
            const double s = abatimiento_theis({c.T, c.S}, c.Q, c.radios[k], t, fin) +
                             (c.ruido > 0 ? ruido(azar) : 0);
            e.medidas.push_back({"P" + std::to_string(k + 1), escrito(c.radios[k]),
                                 escrito(t / segundos), escrito(s), false});
        }
    }
    return e;
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

const Sintetico dos_ruidosos{.T = 0.004, .S = 1e-4, .Q = 0.009, .radios = {30, 90}, .ruido = 0.01};

// How a good test of two wells is spoilt: 'Q' its rate, 'F' its stop, 'U' its unit set to
// `valor`; 'r', 't', 's' that cell of reading `medida`; 'N' only `medida` readings kept; 'X' all
// left out; 'B' drawdowns that fall with time; 'D' four readings all the same.
struct Rechazo {
    char como;
    int medida;
    const char* valor;
    const char* dice;
};

void estropear(EnsayoTexto& e, const Rechazo& c) {
    MedidaTexto& m = e.medidas[static_cast<size_t>(std::max(c.medida, 1) - 1)];
    std::string* cajas[] = {&e.caudal, &e.fin_bombeo, &e.unidad_tiempo, &m.r, &m.t, &m.s};
    const size_t k = std::string_view("QFUrts").find(c.como);
    if (k != std::string_view::npos) *cajas[k] = c.valor;
    if (c.como == 'N') e.medidas.resize(static_cast<size_t>(c.medida));
    if (c.como == 'D') e.medidas.assign(4, MedidaTexto(e.medidas[3]));
    for (MedidaTexto& x : e.medidas) {
        if (c.como == 'X') x.excluida = true;
        if (c.como == 'B') x.s = number_to_text(1 / *numero_ensayo(x.t));
    }
}

}  // namespace

// Theis's drawdown is the program's: a well of the field with the same aquifer, and after the
// stop the recovery by superposition.
TEST(EnsayoTheis, AbatimientoDelPrograma) {
    const Pozo pozo{"P", 0.0, leer_estricto("0.02"), 0, 0};
    const DatosCalculo campo{0.005, 0.0003, 1, {pozo}, {}};
    const auto s = [&](double dias) { return abatimiento_pozo(campo, dias, pozo, 50, 0); };
    for (const double dias : {0.001, 0.1, 1.0, 30.0}) {
        EXPECT_NEAR(abatimiento_theis({0.005, 0.0003}, 0.02, 50, dias * 86400), s(dias), 1e-12);
    }
    EXPECT_NEAR(abatimiento_theis({0.005, 0.0003}, 0.02, 50, 3 * 86400, 86400), s(3) - s(2), 1e-12);
}

// Without noise the fit gives back T and S to their written digits, factors of about 1; with
// noise, close to the truth, which its 95 % interval holds, the residuals' root mean square the
// noise's deviation, and T traded against S (a larger T with a smaller S).
TEST(EnsayoTheis, RecuperaTyS) {
    const std::vector<Sintetico> casos = {
        {},
        {.T = 0.003, .S = 5e-5, .radios = {10, 45, 200}},
        {.T = 0.5, .S = 1e-3, .Q = 0.05, .radios = {30, 300}},
        {.T = 1e-4, .S = 1e-2, .Q = 0.001, .radios = {5}},
        {.radios = {30, 90}, .fin = 100.0},
        {.fin = 100.0, .unidad = "h", .segundos = 3600, .coma = true},
        {.T = 0.02, .S = 1e-4, .radios = {20}, .unidad = "s", .segundos = 1},
        {.T = 0.02, .S = 1e-4, .radios = {20}, .unidad = "días", .segundos = 86400},
        {.ruido = 0.005},
        dos_ruidosos,
        {.T = 0.02, .S = 3e-4, .Q = 0.03, .radios = {15, 40, 80, 160}, .ruido = 0.01},
    };
    for (const Sintetico& c : casos) {
        SCOPED_TRACE(testing::Message() << c.T << " " << c.S << " " << c.unidad << " " << c.ruido);
        const AjusteTheis a = theis(ensayo(c));
        EXPECT_EQ(a.medidas, 30 * c.radios.size());
        if (c.ruido == 0) {
            EXPECT_LT(relativo(a.acuifero.T, c.T), 1e-9);
            EXPECT_LT(relativo(a.acuifero.S, c.S), 1e-9);
            EXPECT_LT(a.rms, 1e-12);
            EXPECT_LT(a.factorT, 1 + 1e-9);
            continue;
        }
        EXPECT_LT(relativo(a.acuifero.T, c.T), 0.05);
        EXPECT_LT(relativo(a.acuifero.S, c.S), 0.15);
        EXPECT_GT(a.factorT, 1.0);
        EXPECT_LT(std::fabs(std::log(a.acuifero.T / c.T)), std::log(a.factorT));
        EXPECT_LT(std::fabs(std::log(a.acuifero.S / c.S)), std::log(a.factorS));
        EXPECT_NEAR(a.rms, c.ruido, 0.3 * c.ruido);
        EXPECT_LT(a.correlacion, -0.5);
        EXPECT_GT(a.correlacion, -1.0);
    }
}

// Started three orders of magnitude off in T, in S or in both, the fit reaches the minimum it
// reaches from Cooper–Jacob's line, which starts it near that end.
TEST(EnsayoTheis, InicioLejanoMismoMinimo) {
    const Sintetico& c = dos_ruidosos;
    const EnsayoTexto e = ensayo(c);
    const std::optional<Acuifero> inicio = inicio_cooper_jacob(datos(e));
    ASSERT_TRUE(inicio);
    EXPECT_LT(relativo(inicio->T, c.T), 0.2);
    EXPECT_LT(relativo(inicio->S, c.S), 0.5);
    const AjusteTheis cerca = theis(e);
    for (const double porT : {1e-3, 1.0, 1e3}) {
        for (const double porS : {1e-3, 1.0, 1e3}) {
            const AjusteTheis lejos = theis(e, Acuifero{c.T * porT, c.S * porS});
            EXPECT_LT(relativo(lejos.acuifero.T, cerca.acuifero.T), 1e-7) << porT << " " << porS;
            EXPECT_LT(relativo(lejos.acuifero.S, cerca.acuifero.S), 1e-7) << porT << " " << porS;
            EXPECT_NEAR(lejos.rms, cerca.rms, 1e-12);
        }
    }
}

// A reading left out is out of the fit: a wild one changes nothing once excluded, and is kept
// for the chart by its row and time.
TEST(EnsayoTheis, MedidaExcluidaFueraDelAjuste) {
    const EnsayoTexto e = ensayo({.radios = {30, 90}, .ruido = 0.005});
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

// A test that gives no fit is told why, and no number comes out.
TEST(EnsayoTheis, RechazosDicenCual) {
    const Rechazo casos[] = {
        {'Q', 0, " ", "Falta el caudal"},
        {'Q', 0, "0", "caudal del ensayo es 0"},
        {'Q', 0, "-0,01", "es negativo"},
        {'Q', 0, "mucho", "«mucho», no es un valor numérico"},
        {'F', 0, "ayer", "El fin del bombeo, «ayer»"},
        {'F', 0, "0", "El fin del bombeo debe ser un tiempo mayor que 0"},
        {'r', 5, "0", "La medida 5 está a una distancia de 0 m"},
        {'r', 5, "-30", "La medida 5 tiene una distancia negativa"},
        {'t', 1, "0", "La medida 1 es del comienzo del bombeo"},
        {'s', 8, "0,2 m", "La medida 8 (abatimiento): «0,2 m» no es un valor numérico"},
        {'t', 3, "", "La medida 3 no tiene tiempo"},
        {'r', 4, "31", "«P1» está a 30 m en la medida 1 y a 31 m en la medida 4"},
        {'U', 0, "semanas", "«semanas» no es ninguna"},
        {'N', 2, "", "Hay 2 medidas en el ajuste"},
        {'X', 0, "", "Hay 0 medidas"},
        {'B', 0, "", "no dan un ajuste"},
        {'D', 0, "", "no distinguen T de S"},
    };
    for (const Rechazo& c : casos) {
        EnsayoTexto e = ensayo({.radios = {30, 90}});
        estropear(e, c);
        const Resuelto<DatosEnsayo> d = leer_ensayo(e);
        std::string rechazo = d.rechazo;
        if (d.valor) {
            const Resuelto<AjusteTheis> a = ajustar_theis(*d.valor);
            EXPECT_FALSE(a.valor) << c.dice;
            rechazo = a.rechazo;
        }
        EXPECT_NE(rechazo.find(c.dice), std::string::npos) << rechazo;
    }
}

// Each well's straight line through its late readings, where u ≤ 0.05 by the Theis fit or in
// the window given, gives the aquifer back within what the line's W(u) allows.
TEST(EnsayoRectas, CooperJacobPorPiezometro) {
    const std::pair<Sintetico, VentanaTiempos> casos[] = {
        {{.radios = {30, 90}, .ruido = 0.002}, {}}, {{.radios = {30}}, {6000.0, 60000.0}}};
    for (const auto& [c, ventana] : casos) {
        const DatosEnsayo d = datos(ensayo(c));
        const Resuelto<AjusteRectas> r = cooper_jacob(d, ventana);
        ASSERT_TRUE(r.valor) << r.rechazo;
        ASSERT_EQ(r.valor->rectas.size(), c.radios.size());
        for (const RectaPiezometro& p : r.valor->rectas) {
            EXPECT_LT(relativo(p.acuifero.T, c.T), 0.01) << p.piezometro;
            EXPECT_LT(relativo(p.acuifero.S, c.S), 0.1) << p.piezometro;
            const double rr = d.piezometros[p.piezometro].r;
            const double limite = rr * rr * c.S / (4 * c.T * u_recta);
            const double desde = ventana.desde.value_or(limite);
            EXPECT_NEAR(p.desde, desde, 0.4 * desde);
        }
        EXPECT_LT(relativo(r.valor->acuifero.T, c.T), 0.01);
        EXPECT_EQ(r.valor->seleccion.has_value(), !ventana.dada());
    }
}

// Readings exactly on a line give the textbooks' figures: Cooper–Jacob's T = 2.303 Q / 4π Δs,
// S = 2.25 T t0 / r²; the recovery's T = 2.303 Q / 4π Δs' against t / t', and no S.
TEST(EnsayoRectas, FormulasDeLosLibros) {
    // Δs = 0.2 m a log cycle, t0 = 100 s, Q = 0.01 m3/s, r = 30 m; the stop at 1000 s.
    const double T = std::log(10.0) * 0.01 / (4 * std::numbers::pi * 0.2);
    EnsayoTexto e{"0.01", "s", "1000", {}};
    for (const double t : {400.0, 600.0, 1000.0}) {
        e.medidas.push_back(
            {"P", "30", number_to_text(t), number_to_text(0.2 * log10(t / 100)), false});
    }
    for (const double t : {1100.0, 1500.0, 3000.0}) {
        e.medidas.push_back(
            {"P", "30", number_to_text(t), number_to_text(0.2 * log10(t / (t - 1000))), false});
    }
    const DatosEnsayo d = datos(e);
    const Resuelto<AjusteRectas> cj = cooper_jacob(d, {1.0, 1000.0});
    ASSERT_TRUE(cj.valor) << cj.rechazo;
    EXPECT_NEAR(cj.valor->acuifero.T, T, 1e-9 * T);
    EXPECT_NEAR(cj.valor->acuifero.S, 2.25 * T * 100 / 900, 1e-9);
    EXPECT_EQ(cj.valor->medidas, 3u);
    const Resuelto<AjusteRectas> rec = recuperacion_theis(d, {1.0, 1e6});
    ASSERT_TRUE(rec.valor) << rec.rechazo;
    EXPECT_NEAR(rec.valor->acuifero.T, T, 1e-9 * T);
    EXPECT_EQ(rec.valor->acuifero.S, 0);
    EXPECT_EQ(rec.valor->rectas[0].desde, 1100);
}

// Without a stop there is no recovery; with too few readings in the window, no line, and why
// for each well.
TEST(EnsayoRectas, SinRecta) {
    const DatosEnsayo sin_fin = datos(ensayo({.radios = {30, 90}}));
    EXPECT_EQ(recuperacion_theis(sin_fin).rechazo,
              "Falta el fin del bombeo: la recuperación son las medidas posteriores a él.");
    EXPECT_EQ(cooper_jacob(sin_fin, {60.0, 70.0}).rechazo,
              "Ningún piezómetro da una recta: «P1», menos de dos medidas en la ventana de "
              "tiempos; «P2», menos de dos medidas en la ventana de tiempos.");
}

// On a line s = a + b ln t the derivative is b at every reading, the ends too; where Theis's
// curve becomes a straight line it is Q / 4πT; two readings of one time have none. Smoothing over
// 0.2 log cycles averages out the noise of close readings.
TEST(EnsayoDerivada, Bourdet) {
    std::mt19937 azar(7);
    std::normal_distribution<double> ruido(0, 0.002);
    std::vector<PuntoTiempo> recta;
    std::vector<PuntoTiempo> theis_tarde;
    std::vector<PuntoTiempo> ruidosa;
    for (int i = 0; i < 200; ++i) {
        const double t = std::pow(10.0, 3 + i * 0.01);
        recta.push_back({t, 0.3 + 0.7 * std::log(t)});
        theis_tarde.push_back({t * 100, abatimiento_theis({0.01, 2e-4}, 0.01, 30, t * 100)});
        ruidosa.push_back({t, 0.1 * std::log(t) + ruido(azar)});
    }
    for (const PuntoTiempo& p : derivada_bourdet(recta)) EXPECT_NEAR(p.s, 0.7, 1e-12) << p.t;
    EXPECT_NEAR(derivada_bourdet(theis_tarde).back().s, 0.01 / (cuatro_pi * 0.01), 1e-3);
    EXPECT_TRUE(derivada_bourdet({{5, 1}, {5, 2}}).empty());
    const auto peor = [&](double ciclos) {
        const std::vector<PuntoTiempo> d = derivada_bourdet(ruidosa, ciclos);
        double e = 0;
        for (size_t i = 20; i + 20 < d.size(); ++i) e = std::max(e, std::fabs(d[i].s - 0.1));
        return e;
    };
    EXPECT_LT(peor(0.2), 0.02);
    EXPECT_GT(peor(0), 5 * peor(0.2));
}
