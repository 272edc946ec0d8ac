#include "chart/composicion_mapa.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/mapa_abatimiento.h"
#include "chart/isolineas.h"
#include "chart/vista_mapa.h"

namespace abat {

Equidistancia niveles_de_intervalo(double menor, double mayor, double intervalo) {
    std::vector<double> niveles = multiplos_de(menor, mayor, intervalo, isolineas_maximas);
    if (niveles.empty()) return {};
    return {intervalo, std::move(niveles)};
}

std::shared_ptr<const MarcasMapa> marcas_de(const DatosCalculo& datos, double tiempo) {
    auto m = std::make_shared<MarcasMapa>();
    m->pozos.reserve(datos.pozos.size());
    for (size_t k = 0; k < datos.pozos.size(); ++k) {
        const Pozo& p = datos.pozos[k];
        m->pozos.push_back({p.nombre, p.x, p.y, estado_de(datos.caudal_en(k, tiempo))});
    }
    m->puntos.reserve(datos.puntos.size());
    for (const Punto& p : datos.puntos) m->puntos.push_back({p.nombre, p.x, p.y});
    m->limites = datos.contorno.lados;
    return m;
}

DibujoMapa componer_mapa(const CampoPozos& campo, std::shared_ptr<const MarcasMapa> marcas,
                         double tiempo, const Caja& vista, int ancho, int alto, double intervalo,
                         double anterior) {
    DibujoMapa d;
    d.vista = vista;
    d.tiempo = tiempo;
    d.rejilla = rejilla_de_vista(vista, ancho, alto);
    abatimiento_rejilla(campo, tiempo, d.rejilla);
    // Beyond the aquifer's boundaries the nodes have no value (NaN): the extremes are of the rest.
    d.minimo = std::numeric_limits<double>::infinity();
    d.maximo = -std::numeric_limits<double>::infinity();
    for (const double v : d.rejilla.valores) {
        if (std::isnan(v)) continue;
        if (v < d.minimo) d.minimo = v;     // the first least, the last greatest, as
        if (!(v < d.maximo)) d.maximo = v;  // std::minmax_element
    }
    if (d.minimo > d.maximo) d.minimo = d.maximo = 0;
    d.niveles = intervalo > 0 ? niveles_de_intervalo(d.minimo, d.maximo, intervalo)
                              : equidistancia(d.minimo, d.maximo, anterior);
    d.isolineas = trazar_isolineas(d.rejilla, d.niveles.niveles);
    d.marcas = std::move(marcas);
    return d;
}

}  // namespace abat
