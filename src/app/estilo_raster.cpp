#include "app/estilo_raster.h"

#include "dibujo/colores_mapa.h"

namespace abat {

EstiloRaster estilo_raster(const DibujoMapa& mapa) {
    EstiloRaster e;
    e.continuo = !(mapa.niveles.intervalo > 0);
    for (const BandaDeColor& b : bandas_de_color(mapa)) {
        ClaseRaster c;
        c.desde = b.desde;
        c.hasta = b.hasta;
        c.rgb = b.color.rgb() & 0xFFFFFFU;
        e.clases.push_back(c);
    }
    return e;
}

}  // namespace abat
