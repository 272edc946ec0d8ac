#include "calc/curva_tiempo.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numeric>

#include "calc/aritmetica.h"
#include "calc/campo_pozos.h"
#include "calc/resultados.h"
#include "model/numeros.h"

namespace abat {
namespace {

constexpr int decadas_antes = 3;
constexpr int decadas_despues = 1;

}  // namespace

TiemposCurva tiempos_curva(double tiempo, int por_decada) {
    TiemposCurva t;
    const int antes = decadas_antes * por_decada;
    const int total = (decadas_antes + decadas_despues) * por_decada;
    t.dias.reserve(static_cast<size_t>(total) + 1);
    for (int i = 0; i <= total; ++i) {
        // Four significant digits: times a reader can copy, at no cost to the curve's shape.
        t.dias.push_back(redondear_cifras(
            tiempo * std::pow(10.0, static_cast<double>(i - antes) / por_decada), 4));
    }
    t.bombeo = static_cast<size_t>(antes);
    t.dias[t.bombeo] = tiempo;
    return t;
}

// Time by time; the wells in their order, so the total adds the shares as the results table adds
// its columns.
CurvaTiempo curva_tiempo(const DatosCalculo& datos, double x, double y) {
    CurvaTiempo c{tiempos_curva(datos.tiempo), {}, {}};
    const size_t n = c.tiempos.dias.size();
    c.partes.assign(datos.pozos.size(), std::vector<double>(n));
    c.total.assign(n, 0.0);
    const CampoPozos campo(datos);
    for (size_t i = 0; i < n; ++i) {
        const Partes partes = campo.partes(c.tiempos.dias[i], x, y);
        for (size_t k = 0; k < datos.pozos.size(); ++k) {
            try {
                c.partes[k][i] = valor_4dec(campo.parte_4dec(partes, k));
                c.total[i] = comprobado(c.total[i] + c.partes[k][i], Causa::pozo);
            } catch (ErrorCalculo& e) {
                e.pozo = static_cast<int>(k) + 1;
                throw;
            }
        }
    }
    return c;
}

std::vector<size_t> partes_mayores(const CurvaTiempo& curva, size_t cuantos) {
    std::vector<size_t> indices(curva.partes.size());
    std::iota(indices.begin(), indices.end(), size_t{0});
    const size_t b = curva.tiempos.bombeo;
    const auto mayor = [&](size_t a, size_t z) {
        return std::fabs(curva.partes[a][b]) > std::fabs(curva.partes[z][b]);
    };
    const size_t n = std::min(cuantos, indices.size());
    std::partial_sort(indices.begin(), indices.begin() + static_cast<std::ptrdiff_t>(n),
                      indices.end(),
                      [&](size_t a, size_t z) { return mayor(a, z) || (!mayor(z, a) && a < z); });
    indices.resize(n);
    return indices;
}

std::vector<double> resto_de_partes(const CurvaTiempo& curva, const std::vector<size_t>& partes) {
    std::vector<double> suma(curva.total.size(), 0.0);
    std::vector<bool> dibujada(curva.partes.size(), false);
    for (const size_t k : partes) dibujada[k] = true;
    for (size_t k = 0; k < curva.partes.size(); ++k) {
        if (dibujada[k]) continue;
        for (size_t i = 0; i < suma.size(); ++i) suma[i] += curva.partes[k][i];
    }
    return suma;
}

std::vector<std::vector<std::string>> tabla_curva(const CurvaTiempo& curva,
                                                  const std::vector<Pozo>& pozos) {
    std::vector<std::vector<std::string>> filas;
    filas.reserve(curva.total.size() + 1);
    std::vector<std::string> cabecera = {"Tiempo[días]", "Abatimiento Total[m]"};
    for (const Pozo& pozo : pozos) cabecera.push_back(encabezado_pozo(pozo.nombre));
    filas.push_back(std::move(cabecera));
    for (size_t i = 0; i < curva.total.size(); ++i) {
        std::vector<std::string> fila = {number_to_text(curva.tiempos.dias[i]),
                                         number_to_text(curva.total[i])};
        for (const auto& parte : curva.partes) fila.push_back(number_to_text(parte[i]));
        filas.push_back(std::move(fila));
    }
    return filas;
}

}  // namespace abat
