#include "resultados.h"

#include <string>
#include <vector>

#include "abatimiento.h"
#include "aritmetica.h"
#include "datos_calculo.h"
#include "filas.h"
#include "numeros.h"

namespace abat {
namespace {

std::string encabezado_pozo(const std::string& nombre) {
    return "   Pozo " + nombre + "[m]   ";
}

// A well's name goes into the format string, where "|" would start a new column: there it is
// replaced by the broken bar, which takes the same width.
std::string sin_separador(std::string texto) {
    for (size_t i = texto.find('|'); i != std::string::npos; i = texto.find('|', i)) {
        texto.replace(i, 1, "\u00A6");
    }
    return texto;
}

// The headers of the well columns show the names exactly as typed.
void encabezados_literales(const Grid& pozos, Grid& resultados) {
    for (int k = 1; k <= record_count(pozos); ++k) {
        resultados.setTextMatrix(0, k + 1, encabezado_pozo(pozos.TextMatrix(k, 1)));
    }
}

void preparar_tabla(const Grid& pozos, Grid& resultados) {
    resultados.Clear();
    resultados.setCols(2);
    resultados.setRows(2);
    resultados.setCols(pozos.Rows());
    std::string formato = "^ No. |^ Punto ";
    for (int k = 1; k <= record_count(pozos); ++k) {
        formato += "|^" + sin_separador(encabezado_pozo(pozos.TextMatrix(k, 1)));
    }
    resultados.setFormatString(formato);
    encabezados_literales(pozos, resultados);
}

void escribir_punto(const DatosCalculo& datos, const Grid& puntos, int j, Grid& resultados) {
    resultados.setRows(resultados.Rows() + 1);
    resultados.setTextMatrix(j, 0, std::to_string(j));
    resultados.setTextMatrix(j, 1, puntos.TextMatrix(j, 1));
    const double x = leading_number(puntos.TextMatrix(j, 2));
    const double y = leading_number(puntos.TextMatrix(j, 3));
    int k = 0;
    for (const Pozo& pozo : datos.pozos) {
        ++k;
        try {
            resultados.setTextMatrix(j, k + 1, format_4dec(abatimiento_pozo(datos, pozo, x, y)));
        } catch (ErrorCalculo& e) {
            e.pozo = k;
            e.punto = j;
            throw;
        }
    }
}

// The total adds the per-well texts as shown, that is the values rounded to four decimals.
void escribir_totales(Grid& resultados) {
    resultados.setCols(resultados.Cols() + 1);
    resultados.setFormatString(resultados.FormatString() + "|^ Abatimiento Total[m] ");
    const int ultima = resultados.Cols() - 1;
    for (int j = 1; j <= resultados.Rows() - 2; ++j) {
        double total = 0.0;
        for (int c = 2; c <= resultados.Cols() - 2; ++c) {
            try {
                total =
                    comprobado(total + leading_number(resultados.TextMatrix(j, c)), Causa::pozo);
            } catch (ErrorCalculo& e) {
                e.punto = j;
                throw;
            }
        }
        resultados.setTextMatrix(j, ultima, number_to_text(total));
    }
}

}  // namespace

void calcular_resultados(const Declaraciones& d, const Grid& pozos, const Grid& puntos,
                         std::string_view tiempo, Grid& resultados) {
    calcular_resultados(leer_datos(d, pozos, tiempo), pozos, puntos, resultados);
}

void calcular_resultados(const DatosCalculo& datos, const Grid& pozos, const Grid& puntos,
                         Grid& resultados) {
    const Grid::Lote lote(resultados);  // shown once, whole or as far as it got
    preparar_tabla(pozos, resultados);
    for (int j = 1; j <= record_count(puntos); ++j) escribir_punto(datos, puntos, j, resultados);
    escribir_totales(resultados);
    encabezados_literales(pozos, resultados);
}

}  // namespace abat
