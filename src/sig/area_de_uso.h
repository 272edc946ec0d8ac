#pragma once
// Where a coordinate system is meant to be used, as PROJ gives it (longitudes and latitudes in
// degrees): a place far outside it is most likely in another system than the one it is read in
// (a longitude of 150° read into a UTM zone of Spain lands 15,000 km south of the equator).

#include <ogr_spatialref.h>

#include <memory>
#include <optional>

#include "sig/sistema_coordenadas.h"

namespace abat {

class AreaDeUso {
  public:
    // The area of use of `sistema`, for places given in `origen` (in `sistema` itself when null).
    // Without a system, or one PROJ gives no area for, no place is far.
    AreaDeUso(const OGRSpatialReference* origen, const Sistema& sistema);
    // True for a place beyond the area by more than its own width east or west, or its own height
    // north or south (1° at least), or that cannot be placed on the globe at all.
    bool lejos(double x, double y) const;

  private:
    struct Caja {
        double oeste, sur, este, norte;  // degrees; este above oeste, also across 180°
    };
    std::optional<Caja> area_;
    std::unique_ptr<OGRCoordinateTransformation> a_grados_;
};

}  // namespace abat
