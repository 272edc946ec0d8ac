#include "sig/area_de_uso.h"

#include <algorithm>
#include <cmath>

#include "sig/referencia_espacial.h"

namespace abat {

AreaDeUso::AreaDeUso(const OGRSpatialReference* origen, const Sistema& sistema) {
    const auto propia = referencia(sistema);
    if (!propia) return;
    Caja c{};
    const char* nombre = nullptr;
    if (!propia->GetAreaOfUse(&c.oeste, &c.sur, &c.este, &c.norte, &nombre) || c.oeste < -1000) {
        return;  // PROJ gives -1000 where it knows no area
    }
    if (c.este < c.oeste) c.este += 360;  // across the antimeridian
    OGRSpatialReference grados;
    grados.SetWellKnownGeogCS("WGS84");
    grados.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);  // longitude, latitude
    OGRSpatialReference desde(origen != nullptr ? *origen : *propia);
    desde.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    a_grados_.reset(OGRCreateCoordinateTransformation(&desde, &grados));
    if (a_grados_) area_ = c;
}

bool AreaDeUso::lejos(double x, double y) const {
    if (!area_) return false;
    double longitud = x;
    double latitud = y;
    if (a_grados_->Transform(1, &longitud, &latitud) == 0 || !std::isfinite(longitud) ||
        !std::isfinite(latitud)) {
        return true;
    }
    const Caja& a = *area_;
    const double margen_este_oeste = std::max(1.0, a.este - a.oeste);
    const double margen_norte_sur = std::max(1.0, a.norte - a.sur);
    const double desde = a.oeste - margen_este_oeste;  // the longitudes looked at, east of it
    const double vueltas = std::floor((longitud - desde) / 360);
    longitud -= 360 * vueltas;
    const bool cerca_este_oeste =
        a.este - a.oeste + 2 * margen_este_oeste >= 360 || longitud <= a.este + margen_este_oeste;
    return !cerca_este_oeste || latitud < a.sur - margen_norte_sur ||
           latitud > a.norte + margen_norte_sur;
}

}  // namespace abat
