// The whole calculation from the texts the cells hold: the results table and the drawdown grid
// over the chart's axis limits end in numbers or in a calculation error, nothing else: no
// infinity or NaN in a cell or a node, no total other than its row's shares added, no other
// exception, no sanitizer report. The axis limits hold the data, with a score of distinct ticks
// at most.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "calc/red.h"
#include "calc/resultados.h"
#include "chart/escala_ejes.h"
#include "comun.h"
#include "model/errores.h"
#include "model/filas.h"
#include "model/numeros.h"

using namespace abat;

namespace {

// A cell as a user might fill it: a number, or any short text.
std::string celda(FuzzedDataProvider& fdp) {
    if (fdp.ConsumeBool()) return fdp.ConsumeRandomLengthString(12);
    return number_to_text(fdp.ConsumeFloatingPoint<double>());
}

// Up to 12 records, each cell from the fuzzer; the extremes of x and y as the chart reads them.
Grid tabla(FuzzedDataProvider& fdp, int columnas, double (&extremos)[4]) {
    Grid g(2, columnas, 1, 1);
    for (int k = fdp.ConsumeIntegralInRange(1, 12); k > 0; --k) {
        const int r = append_record(g);
        for (int c = 1; c < columnas; ++c) g.setTextMatrix(r, c, celda(fdp));
        for (const int eje : {0, 1}) {
            const double v = leading_number(g.TextMatrix(r, columnas - 2 + eje));
            extremos[2 * eje] = std::min(extremos[2 * eje], v);
            extremos[2 * eje + 1] = std::max(extremos[2 * eje + 1], v);
        }
    }
    return g;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    FuzzedDataProvider fdp(datos, n);
    Declaraciones d;
    d.T = fdp.ConsumeFloatingPoint<double>();
    d.S = fdp.ConsumeFloatingPoint<double>();
    const std::string tiempo = celda(fdp);
    double e[4] = {INFINITY, -INFINITY, INFINITY, -INFINITY};
    const Grid pozos = tabla(fdp, 6, e);
    const Grid puntos = tabla(fdp, 4, e);
    Grid resultados(2, 0, 1, 0);
    try {
        calcular_resultados(d, pozos, puntos, tiempo, resultados);
        for (int r = 1; r < resultados.Rows() - 1; ++r) {
            double suma = 0;  // of the shares as shown: the total column adds them
            for (int c = 2; c < resultados.Cols(); ++c) {
                EXIGIR(resultados.TextMatrix(r, c).find_first_of("ni") == std::string::npos);
                if (c < resultados.Cols() - 1) suma += leading_number(resultados.TextMatrix(r, c));
            }
            EXIGIR(number_to_text(suma) == resultados.TextMatrix(r, resultados.Cols() - 1));
        }
        const EscalaEje x = escala_automatica(e[0], e[1]);
        const EscalaEje y = escala_automatica(e[2], e[3]);
        for (const auto& [eje, menor, mayor] : {std::tuple{x, e[0], e[1]}, {y, e[2], e[3]}}) {
            const double ticks = (eje.maximo - eje.minimo) / eje.unidad;
            EXIGIR(eje.minimo <= menor && eje.maximo >= mayor && ticks >= 1 && ticks <= 25);
            EXIGIR(eje.minimo + eje.unidad != eje.minimo && eje.maximo - eje.unidad != eje.maximo);
        }
        generar_red(d, leer_datos(d, pozos, puntos, tiempo), x.minimo, x.maximo, y.minimo,
                    y.maximo);
        EXIGIR(d.nodos->Count() == 529);
        for (const cRedG& nodo : *d.nodos) EXIGIR(std::isfinite(nodo.abat()));
    } catch (const ErrorCalculo& e) {
        EXIGIR(e.numero() == 5 || e.numero() == 6 || e.numero() == 11 || e.numero() == 13);
    }
    return 0;
}
