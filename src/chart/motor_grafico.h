#pragma once
// What the plan chart asks of a charting engine: an XY scatter chart whose series are one-column
// ranges of a worksheet, the wells and points first, then the drawdown classes.

#include <string>

#include "chart/hoja.h"

namespace abat {

enum class Eje { x, y };

class MotorGrafico {
  public:
    virtual ~MotorGrafico() = default;

    // Starts the engine with a new, empty worksheet, the active sheet from then on.
    virtual void crear() = 0;
    virtual Hoja& hojaActiva() = 0;
    // An embedded chart on the worksheet, in points.
    virtual void agregarObjetoGrafico(double left, double top, double width, double height) = 0;
    // An XY scatter chart whose first series is named by the top cell of the range's second
    // column and takes its x from the first column and its y from the second, rows 2 on.
    virtual void asistenteGrafico(const std::string& origen) = 0;
    virtual void rellenoAreaGrafico(int patron, int color) = 0;
    virtual void seriesPorColumnas() = 0;
    // A new series named by the range's first cell, its y values the cells below it.
    virtual void agregarSerie(const std::string& origen) = 0;
    // The x values of series `indice` (from 1), paired in order with its y values.
    virtual void valoresX(int indice, const std::string& origen) = 0;
    virtual void colorAreaTrazado(int color) = 0;
    // The limit the engine chose automatically for the series present.
    virtual double maximo(Eje eje) = 0;
    virtual double minimo(Eje eje) = 0;
    // Writes the chart as a GIF picture; raises the path-access ErrorCalculo if it cannot.
    virtual void exportar(const std::string& archivo) = 0;
    virtual void eliminarObjetoGrafico() = 0;
    virtual void mostrarAlertas(bool mostrar) = 0;
    virtual void salir() = 0;
};

inline constexpr int relleno_solido = 1;  // a fill pattern
inline constexpr int blanco = 0xFFFFFF;

}  // namespace abat
