// The whole calculation from text tables, as the cells hold them: the results table and the
// drawdown grid over the chart's axis limits end in numbers or in a calculation error, nothing
// else: no infinity or NaN in a cell or a node, no other exception, no sanitizer report.
// Input: lines "T;S;time", then "P;name;diameter;rate;x;y" wells and "A;name;x;y" points.
#include <algorithm>
#include <cmath>
#include <vector>

#include "comun.h"
#include "errores.h"
#include "escala_ejes.h"
#include "filas.h"
#include "red.h"
#include "resultados.h"

using namespace abat;

namespace {

constexpr int maximo_filas = 12;  // each execution stays quick

std::vector<std::string> partes(std::string_view linea) {
    std::vector<std::string> p(1);
    for (const char c : linea) {
        if (c == ';') {
            p.emplace_back();
        } else {
            p.back() += c;
        }
    }
    return p;
}

void agregar(Grid& g, const std::vector<std::string>& celdas) {
    if (g.Rows() - 2 >= maximo_filas) return;
    const int r = append_record(g);
    for (int c = 1; c < g.Cols() && c < static_cast<int>(celdas.size()); ++c) {
        g.setTextMatrix(r, c, celdas[static_cast<size_t>(c)]);
    }
}

// The extremes of x and y over the wells and the points, as the chart reads them.
struct Extremos {
    double xmin = INFINITY, xmax = -INFINITY, ymin = INFINITY, ymax = -INFINITY;
    void ver(const Grid& g, int cx, int cy) {
        for (int r = 1; r <= record_count(g); ++r) {
            const double x = leading_number(g.TextMatrix(r, cx));
            const double y = leading_number(g.TextMatrix(r, cy));
            xmin = std::min(xmin, x);
            xmax = std::max(xmax, x);
            ymin = std::min(ymin, y);
            ymax = std::max(ymax, y);
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    const std::string_view texto(reinterpret_cast<const char*>(datos), n);
    Declaraciones d;
    std::string tiempo;
    Grid pozos(2, 6, 1, 1);
    Grid puntos(2, 4, 1, 1);
    size_t inicio = 0;
    for (int linea = 0; inicio <= texto.size(); ++linea) {
        const size_t fin = std::min(texto.find('\n', inicio), texto.size());
        const auto p = partes(texto.substr(inicio, fin - inicio));
        inicio = fin + 1;
        if (linea == 0) {
            d.T = leading_number(p[0]);
            if (p.size() > 1) d.S = leading_number(p[1]);
            if (p.size() > 2) tiempo = p[2];
        } else if (p[0] == "P") {
            agregar(pozos, p);
        } else if (p[0] == "A") {
            agregar(puntos, p);
        }
    }
    if (!std::isfinite(d.T) || !std::isfinite(d.S)) return 0;  // the aquifer form stores finite

    Grid resultados(2, 0, 1, 0);
    try {
        calcular_resultados(d, pozos, puntos, tiempo, resultados);
        for (int r = 1; r < resultados.Rows() - 1; ++r) {
            for (int c = 2; c < resultados.Cols(); ++c) {
                const std::string& celda = resultados.TextMatrix(r, c);
                EXIGIR(celda.find_first_of("ni") == std::string::npos);  // no nan, no inf
            }
        }
        Extremos e;
        e.ver(pozos, 4, 5);
        e.ver(puntos, 2, 3);
        if (e.xmin > e.xmax) e = {0, 0, 0, 0};
        const EscalaEje x = escala_automatica(e.xmin, e.xmax);
        const EscalaEje y = escala_automatica(e.ymin, e.ymax);
        generar_red(d, leer_datos(d, pozos, tiempo), x.minimo, x.maximo, y.minimo, y.maximo);
        EXIGIR(d.nodos->Count() == 529);
        for (const cRedG& nodo : *d.nodos) EXIGIR(std::isfinite(nodo.abat()));
    } catch (const ErrorCalculo& error) {
        const int k = error.numero();
        EXIGIR(k == 5 || k == 6 || k == 11 || k == 13);
    }
    return 0;
}
