#include "sig/isolineas_gdal.h"

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

using Punto = std::pair<double, double>;

bool casi_igual(Punto a, Punto b, const Rejilla& r) {
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

// Whether a piece between two vertices lies in a cell whose four nodes have a value. GDAL treats
// each node as a pixel's centre and carries lines on, half a step, into the cells beyond the outer
// nodes and into those with a node without value, where no value is known: those pieces go.
bool en_celda_con_valores(Punto a, Punto b, const Rejilla& r) {
    const double fi = ((a.first + b.first) / 2 - r.x0) / r.dx;
    const double fj = ((a.second + b.second) / 2 - r.y0) / r.dy;
    if (!(fi > 0 && fj > 0 && fi < r.nx - 1 && fj < r.ny - 1)) return false;
    const auto i = static_cast<int>(fi);
    const auto j = static_cast<int>(fj);
    return !std::isnan(r.valor(i, j) + r.valor(i + 1, j) + r.valor(i, j + 1) +
                       r.valor(i + 1, j + 1));
}

// A line of GDAL's, cut into the runs of its pieces that lie in cells with values. A closed line
// cut somewhere is read from that cut, so that the run across its start is one line.
void cortar(const std::vector<Punto>& v, double nivel, const Rejilla& r,
            std::vector<Isolinea>& lineas) {
    const size_t piezas = v.size() - 1;
    size_t desde = 0;
    if (casi_igual(v.front(), v.back(), r)) {
        for (size_t k = 0; k < piezas; ++k) {
            if (!en_celda_con_valores(v[k], v[k + 1], r)) desde = k + 1;
        }
    }
    Isolinea l{nivel, {}};
    auto terminar = [&] {
        if (l.puntos.size() > 1) lineas.push_back(l);
        l.puntos.clear();
    };
    for (size_t n = 0; n < piezas; ++n) {
        const size_t k = (desde + n) % piezas;
        if (!en_celda_con_valores(v[k], v[k + 1], r)) {
            terminar();
            continue;
        }
        for (const Punto& p : {v[k], v[k + 1]}) {
            if (l.puntos.empty() || !casi_igual(p, l.puntos.back(), r)) l.puntos.push_back(p);
        }
    }
    terminar();
}

}  // namespace

std::vector<Isolinea> isolineas_gdal(const Rejilla& rejilla, const std::vector<double>& niveles) {
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
        std::vector<Punto> v;
        for (const OGRPoint& p : *f->GetGeometryRef()->toLineString())
            v.emplace_back(p.getX(), p.getY());
        if (v.size() > 1) cortar(v, f->GetFieldAsDouble(0), rejilla, lineas);
    }
    std::stable_sort(lineas.begin(), lineas.end(),
                     [](const Isolinea& a, const Isolinea& b) { return a.nivel < b.nivel; });
    return lineas;
}

}  // namespace abat
