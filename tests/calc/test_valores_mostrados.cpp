// What the windows show from the engine's values is what the exact path shows: the grid's drawdown
// classes, the results table's texts and the curves' four-decimal shares, on random fields whose
// rates are scaled to put a value on a class bound or a rounding tie, where a hair decides.
#include <gtest/gtest.h>

#include "calc/abatimiento.h"
#include "calc/curva_tiempo.h"
#include "calc/red.h"
#include "calc/resultados.h"
#include "model/clases_abatimiento.h"
#include "model/numeros.h"
#include "support/fixtures.h"

using namespace abat;
using namespace abat::prueba;

namespace {

// The rates of wells [desde, hasta) scaled so that their drawdown at (x, y) becomes `objetivo`.
void escalar(DatosCalculo& d, size_t desde, size_t hasta, double x, double y, double objetivo) {
    double s = 0;
    for (size_t k = desde; k < hasta; ++k) s += abatimiento_pozo(d, d.pozos[k], x, y);
    for (size_t k = desde; k < hasta; ++k) d.pozos[k].caudal.valor *= objetivo / s;
}

}  // namespace

// Six bounds, four fields each, 60 wells: a node's total set on a bound.
TEST(ValoresMostrados, GridClassesAsTheExactPath) {
    for (unsigned semilla = 0; semilla < 24; ++semilla) {
        DatosCalculo datos = campo_aleatorio(semilla, 60, 1000);
        Declaraciones d = acuifero();
        generar_red(d, datos, 0, 1000, 0, 1000);
        const cRedG n = d.nodos->Item(1 + semilla * 37 % 529);
        escalar(datos, 0, datos.pozos.size(), n.x(), n.y(), 10.0 * (1 + semilla % 6));
        generar_red(d, datos, 0, 1000, 0, 1000);
        for (const cRedG& m : *d.nodos)
            ASSERT_EQ(clase_de(m.abat()), clase_de(abatimiento_punto(datos, m.x(), m.y())))
                << semilla << " " << m.x() << " " << m.y();
    }
}

// A well's share at a point set halfway between the 15-digit numbers on either side of a
// four-decimal tie; every cell of the table and every share of the point's curve.
TEST(ValoresMostrados, TableTextsAndCurveSharesAsTheExactPath) {
    const std::vector<double> limites = {1.49999999999999995e-4, 0.123449999999999995,
                                         1.234549999999995,      12.34564999999995,
                                         123.4567499999995,      -2.345649999999995};
    for (unsigned semilla = 0; semilla < 24; ++semilla) {
        DatosCalculo datos = campo_aleatorio(semilla, 40, 1000);
        for (int j = 0; j < 5; ++j) datos.puntos.push_back({"A", 200.0 * j + 7, 150.0 * j + 3});
        const Punto& a = datos.puntos[semilla % 5];
        escalar(datos, semilla % 40, semilla % 40 + 1, a.x, a.y, limites[semilla % 6]);
        Grid tabla(2, 0, 1, 0);
        calcular_resultados(datos, tabla);
        const CurvaTiempo c = curva_tiempo(datos, a.x, a.y);
        for (size_t k = 0; k < datos.pozos.size(); ++k) {
            const Pozo& pozo = datos.pozos[k];
            for (int j = 1; j <= 5; ++j) {
                const Punto& p = datos.puntos[static_cast<size_t>(j - 1)];
                ASSERT_EQ(tabla.TextMatrix(j, static_cast<int>(k) + 2),
                          format_4dec(abatimiento_pozo(datos, pozo, p.x, p.y)))
                    << semilla << " " << j << " " << k;
            }
            for (size_t i = 0; i < c.total.size(); ++i)
                ASSERT_EQ(c.partes[k][i],
                          valor_4dec(abatimiento_pozo(datos, c.tiempos.dias[i], pozo, a.x, a.y)))
                    << semilla << " " << i << " " << k;
        }
    }
}
