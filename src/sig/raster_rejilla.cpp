#include "sig/raster_rejilla.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace abat {

Dataset raster_de(const Rejilla& r, GDALDataType tipo, double sin_dato) {
    Dataset d = dataset_en_memoria(r.nx, r.ny, tipo);
    if (!d || r.valores.size() != r.indice(0, r.ny)) return nullptr;
    const double arriba = r.y(r.ny - 1) + r.dy / 2;
    std::array<double, 6> transformacion = {r.x0 - r.dx / 2, r.dx, 0, arriba, 0, -r.dy};
    d->SetGeoTransform(transformacion.data());
    std::vector<double> valores(r.valores.size());
    for (int j = 0; j < r.ny; ++j) {  // the raster's first row is the grid's last
        for (int i = 0; i < r.nx; ++i) {
            const double v = r.valor(i, j);
            valores[r.indice(i, r.ny - 1 - j)] = std::isnan(v) ? sin_dato : v;
        }
    }
    if (d->GetRasterBand(1)->RasterIO(GF_Write, 0, 0, r.nx, r.ny, valores.data(), r.nx, r.ny,
                                      GDT_Float64, 0, 0, nullptr) != CE_None) {
        return nullptr;
    }
    return d;
}

double valor_sin_dato(const Rejilla& r) {
    double v = -9999;
    // Compared as the narrowest raster stores them, Float32.
    auto ocupado = [&r](double c) {
        return std::any_of(r.valores.begin(), r.valores.end(), [c](double x) {
            return x == c || static_cast<float>(x) == static_cast<float>(c);
        });
    };
    while (ocupado(v)) v = v * 10 - 9;
    return v;
}

Dataset raster_para_archivo(const Rejilla& r, GDALDataType tipo, const OGRSpatialReference* srs) {
    const double sin_dato = valor_sin_dato(r);
    Dataset d = raster_de(r, tipo, sin_dato);
    if (!d) return nullptr;
    d->SetSpatialRef(srs);
    d->GetRasterBand(1)->SetNoDataValue(sin_dato);
    return d;
}

}  // namespace abat
