#pragma once
// The drawdown map at one time: the values of the engine over a grid as fine as the view, and
// its isolines at round levels or at the interval the user types.

#include <memory>

#include "calc/campo_pozos.h"
#include "chart/dibujo_mapa.h"

namespace abat {

// The most isolines an interval typed by the user may draw.
inline constexpr size_t isolineas_maximas = 200;

// The levels of a typed interval: its multiples from `menor` to `mayor` (see multiplos_de); none
// when there would be more than isolineas_maximas of them.
Equidistancia niveles_de_intervalo(double menor, double mayor, double intervalo);

// The wells, each as it is after `tiempo` days (pumping, stopped or injecting), and the points of
// a calculation, as the map marks them.
std::shared_ptr<const MarcasMapa> marcas_de(const DatosCalculo& datos, double tiempo);

// The map of the wells of `campo` after `tiempo` days over `vista`, shown on a plot of `ancho` x
// `alto` pixels; the isolines at the multiples of `intervalo`, or at a round interval chosen for
// the values when it is 0, `anterior` (the one chosen for the map shown before) while it still
// fits them. Raises the ErrorCalculo of the first node that cannot be computed.
DibujoMapa componer_mapa(const CampoPozos& campo, std::shared_ptr<const MarcasMapa> marcas,
                         double tiempo, const Caja& vista, int ancho, int alto,
                         double intervalo = 0, double anterior = 0);

}  // namespace abat
