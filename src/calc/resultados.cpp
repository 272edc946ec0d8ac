#include "calc/resultados.h"

#include <string>
#include <vector>

#include "calc/aritmetica.h"
#include "calc/campo_pozos.h"
#include "calc/datos_calculo.h"
#include "model/filas.h"
#include "model/numeros.h"

namespace abat {
namespace {

// Blanks around the header widen its column.
std::string encabezado_columna(const std::string& nombre) {
    return "   " + encabezado_pozo(nombre) + "   ";
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
void encabezados_literales(const DatosCalculo& datos, Grid& resultados) {
    int k = 1;
    for (const Pozo& pozo : datos.pozos) {
        resultados.setTextMatrix(0, ++k, encabezado_columna(pozo.nombre));
    }
}

void preparar_tabla(const DatosCalculo& datos, Grid& resultados) {
    resultados.Clear();
    resultados.setCols(2);
    resultados.setRows(2);
    resultados.setCols(static_cast<int>(datos.pozos.size()) + 2);
    std::string formato = "^ No. |^ Punto ";
    for (const Pozo& pozo : datos.pozos) {
        formato += "|^" + sin_separador(encabezado_columna(pozo.nombre));
    }
    resultados.setFormatString(formato);
    encabezados_literales(datos, resultados);
}

void escribir_punto(const CampoPozos& campo, int j, Grid& resultados, Resultados& r) {
    const DatosCalculo& datos = campo.datos();
    const Punto& punto = datos.puntos[static_cast<size_t>(j - 1)];
    resultados.setRows(resultados.Rows() + 1);
    resultados.setTextMatrix(j, 0, std::to_string(j));
    resultados.setTextMatrix(j, 1, punto.nombre);
    const Partes partes = campo.partes(datos.tiempo, punto.x, punto.y);
    for (size_t k = 0; k < datos.pozos.size(); ++k) {
        const int columna = static_cast<int>(k) + 2;
        try {
            const double parte = campo.parte_4dec(partes, k);
            resultados.setTextMatrix(j, columna, format_4dec(parte));
            r.partes.push_back(valor_4dec(parte));
        } catch (ErrorCalculo& e) {
            e.pozo = columna - 1;
            e.punto = j;
            throw;
        }
    }
}

// The total adds the per-well texts as shown, that is the values rounded to four decimals.
void escribir_totales(Grid& resultados, Resultados& r) {
    resultados.setCols(resultados.Cols() + 1);
    resultados.setFormatString(resultados.FormatString() + "|^ Abatimiento Total[m] ");
    const int ultima = resultados.Cols() - 1;
    for (int j = 1; j <= record_count(resultados); ++j) {
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
        r.totales.push_back(total);
    }
}

}  // namespace

Resultados calcular_resultados(const Declaraciones& d, const Grid& pozos, const Grid& puntos,
                               std::string_view tiempo, Grid& tabla) {
    return calcular_resultados(leer_datos(d, pozos, puntos, tiempo), tabla);
}

Resultados calcular_resultados(const DatosCalculo& datos, Grid& tabla) {
    const Grid::Lote lote(tabla);  // shown once, whole or as far as it got
    preparar_tabla(datos, tabla);
    Resultados r;
    r.pozos = datos.pozos.size();
    r.partes.reserve(datos.pozos.size() * datos.puntos.size());
    r.totales.reserve(datos.puntos.size());
    const CampoPozos campo(datos);
    for (int j = 1; j <= static_cast<int>(datos.puntos.size()); ++j) {
        escribir_punto(campo, j, tabla, r);
    }
    escribir_totales(tabla, r);
    encabezados_literales(datos, tabla);
    return r;
}

}  // namespace abat
