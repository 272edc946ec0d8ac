#include "sig/isolineas.h"

#include <gdal_alg.h>
#include <ogrsf_frmts.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "sig/gdal_comun.h"
#include "sig/raster_rejilla.h"

namespace abat {
namespace {

bool casi_igual(std::pair<double, double> a, std::pair<double, double> b, const Rejilla& r) {
    constexpr double tolerancia = 1e-9;  // of a step
    return std::abs(a.first - b.first) <= tolerancia * r.dx &&
           std::abs(a.second - b.second) <= tolerancia * r.dy;
}

std::string lista_de_niveles(const std::vector<double>& niveles) {
    std::string lista;
    for (const double n : niveles) {
        if (!lista.empty()) lista += ',';
        lista += CPLSPrintf("%.17g", n);
    }
    return lista;
}

// GDAL treats each node as the centre of a cell and carries the lines on, straight, to the
// cells' outer edges, half a step beyond the outer nodes, where no value is known. Those ends are
// cut back to the outer nodes' rectangle: clamped onto it, they fall on the vertex before them.
Isolinea isolinea_de(OGRFeature& f, const Rejilla& r) {
    Isolinea l{f.GetFieldAsDouble(0), {}};
    const double x1 = r.x(r.nx - 1);
    const double y1 = r.y(r.ny - 1);
    for (const OGRPoint& p : *f.GetGeometryRef()->toLineString()) {
        const std::pair v(std::clamp(p.getX(), r.x0, x1), std::clamp(p.getY(), r.y0, y1));
        if (l.puntos.empty() || !casi_igual(v, l.puntos.back(), r)) l.puntos.push_back(v);
    }
    return l;
}

}  // namespace

std::vector<Isolinea> trazar_isolineas(const Rejilla& rejilla, const std::vector<double>& niveles) {
    if (rejilla.nx < 2 || rejilla.ny < 2 || niveles.empty()) return {};
    const SesionGdal sesion;
    const Dataset raster = raster_de(rejilla, GDT_Float64, NAN);
    if (!raster) return {};
    const Dataset capas = capas_en_memoria();
    OGRLayer* capa = capas->CreateLayer("isolineas", nullptr, wkbLineString, nullptr);
    OGRFieldDefn nivel("nivel", OFTReal);
    capa->CreateField(&nivel);
    const std::string fijos = "FIXED_LEVELS=" + lista_de_niveles(niveles);
    // NaN needs no option: the generator leaves NaN nodes out by itself.
    const std::array<const char*, 3> opciones = {fijos.c_str(), "ELEV_FIELD=0", nullptr};
    GDALContourGenerateEx(raster->GetRasterBand(1), capa, opciones.data(), nullptr, nullptr);

    std::vector<Isolinea> lineas;
    for (const auto& f : *capa) {
        Isolinea l = isolinea_de(*f, rejilla);
        if (l.puntos.size() > 1) lineas.push_back(std::move(l));
    }
    std::stable_sort(lineas.begin(), lineas.end(),
                     [](const Isolinea& a, const Isolinea& b) { return a.nivel < b.nivel; });
    return lineas;
}

}  // namespace abat
