#pragma once
// What the pumping test's window shows: the method's T and S as the program writes numbers, the
// figures of the fit or why there is none, and the chart's series, from the test's texts.

#include <array>
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "ensayo/ajuste_ensayo.h"
#include "ensayo/derivada_bourdet.h"
#include "ensayo/ensayo_escalonado.h"
#include "model/ensayo.h"

namespace abat {

enum class MetodoEnsayo { theis, cooper_jacob, recuperacion, hantush_jacob, escalonado };
// As the window offers them, in that order.
inline constexpr std::array<const char*, 5> nombres_metodos = {
    "Theis", "Cooper-Jacob", "Theis (recuperación)", "Hantush-Jacob", "Ensayo escalonado"};

// Whether the method fits a curve over every reading (on log-log paper, with the derivative),
// not straight lines through some.
inline bool ajusta_curva(MetodoEnsayo m) {
    return m == MetodoEnsayo::theis || m == MetodoEnsayo::hantush_jacob;
}

// The headings of a step test's table of efficiencies, one row a step.
inline constexpr std::array<const char*, 5> columnas_eficiencia = {
    "Caudal[m3/s]", "Abatimiento[m]", "Acuífero[m]", "Pozo[m]", "Eficiencia[%]"};

inline constexpr size_t sin_color = std::numeric_limits<size_t>::max();

struct SerieEnsayo {
    std::string nombre;               // as the legend names it
    size_t color = sin_color;         // its observation well's, in order; sin_color: greyed
    std::vector<PuntoTiempo> puntos;  // (x, y): the time in the test's unit, or t / t'
};

struct DibujoEnsayo {
    std::string titulo;
    std::string ejeX;
    std::string ejeY;
    bool logaritmicoY = true;            // log-log paper (Theis); semi-log otherwise
    bool logaritmicoX = true;            // linear time: a step test's
    std::vector<SerieEnsayo> medidas;    // one an observation well
    SerieEnsayo excluidas;               // the readings left out, greyed
    std::vector<SerieEnsayo> curvas;     // the fitted curves or lines, one a well
    std::vector<SerieEnsayo> derivadas;  // Bourdet's, of each well's readings (curves)
    std::vector<SerieEnsayo> residuos;   // read less computed [m] against the same x
};

// The method and the window of times of the straight lines, as typed (in the test's unit).
struct PeticionAjuste {
    MetodoEnsayo metodo = MetodoEnsayo::theis;
    std::string desde;
    std::string hasta;
    bool exponente = false;  // a step test's n fitted (Rorabaugh), not 2 (Jacob)
};

struct AnalisisEnsayo {
    std::optional<Acuifero> acuifero;  // none: no fit; S 0 from the recovery, which gives none
    std::string T;                     // as the program writes numbers; empty without a fit
    std::string S;                     // empty also from the recovery
    std::string c;                     // the aquitard's resistance, days: Hantush-Jacob only
    // A step test's well loss C (its unit in `unidadC`) and exponent n, and its table of
    // efficiencies, one row a step, columns as `columnas_eficiencia`, four decimals.
    std::string C;
    std::string unidadC;
    std::string n;
    std::vector<std::array<std::string, columnas_eficiencia.size()>> eficiencia;
    std::string resumen;  // the fit's figures, or the refusal that says why there is none
    DibujoEnsayo dibujo;
    // A step test's second view: Hantush and Bierschenk's specific drawdown s/Q at each step's
    // end against Q, with its straight line, the residuals from the line beneath; empty
    // otherwise.
    DibujoEnsayo especifico;
};

// With `ajustar` the method's fit, and its curves and residuals over the readings; without it,
// the readings alone, on the method's paper.
AnalisisEnsayo analizar_ensayo(const EnsayoTexto& ensayo, const PeticionAjuste& peticion,
                               bool ajustar);

// `valor` rounded to `cifras` significant digits, as the program writes numbers.
std::string redondeado(double valor, int cifras);

}  // namespace abat
