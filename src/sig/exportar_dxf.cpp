// The isolines, wells and points for CAD.
#include <ogrsf_frmts.h>

#include <algorithm>
#include <cmath>

#include "sig/exportacion.h"
#include "sig/gdal_comun.h"
#include "sig/limites_sig.h"

namespace abat {
namespace {

// The names' height: a hundredth of the drawing's larger side, so they read at any scale.
double altura_de_texto(const std::optional<Caja>& extension) {
    const double lado = extension ? std::max(extension->ancho(), extension->alto()) : 0.0;
    return std::isfinite(lado) && lado > 0 ? lado / 100 : 1.0;
}

class Dibujo {
  public:
    Dibujo(OGRLayer& capa, double altura) : capa_(capa), altura_(altura) {}

    bool linea(const Isolinea& l) {
        auto* linea = new OGRLineString;
        for (const auto& [x, y] : l.puntos) linea->addPoint(x, y, l.nivel);
        return agregar("ISOLINEAS", linea, nullptr);
    }

    bool limite(const std::array<double, 4>& extremos) {
        auto* linea = new OGRLineString;
        linea->addPoint(extremos[0], extremos[1]);
        linea->addPoint(extremos[2], extremos[3]);
        return agregar("LIMITES", linea, nullptr);
    }

    // A point and its name, which starts at it.
    bool marca(const char* capa_cad, double x, double y, const std::string& nombre) {
        if (!agregar(capa_cad, new OGRPoint(x, y), nullptr)) return false;
        std::string texto = nombre;
        std::replace(texto.begin(), texto.end(), '"', '\'');  // a quote would end the style's text
        const std::string estilo =
            "LABEL(t:\"" + texto + "\",s:" + CPLSPrintf("%.6g", altura_) + "g)";
        return agregar(capa_cad, new OGRPoint(x, y), estilo.c_str());
    }

  private:
    bool agregar(const char* capa_cad, OGRGeometry* g, const char* estilo) {
        OGRFeature f(capa_.GetLayerDefn());
        f.SetField("Layer", capa_cad);
        f.SetGeometryDirectly(g);
        if (estilo != nullptr) f.SetStyleString(estilo);
        return capa_.CreateFeature(&f) == OGRERR_NONE;
    }

    OGRLayer& capa_;
    double altura_;
};

bool escribir_dxf(const std::string& ruta, const CapasSig& c) {
    GDALDriver* dxf = GetGDALDriverManager()->GetDriverByName("DXF");
    Dataset d(dxf->Create(ruta.c_str(), 0, 0, 0, GDT_Unknown, nullptr));
    OGRLayer* capa = d ? d->CreateLayer("entities", nullptr, wkbUnknown, nullptr) : nullptr;
    if (capa == nullptr) return false;
    const std::optional<Caja> extension = extension_de(c);
    Dibujo dibujo(*capa, altura_de_texto(extension));
    bool bien = true;
    for (const Isolinea& l : c.isolineas.lineas) bien = bien && dibujo.linea(l);
    for (const Lado& l : c.limites) {
        const auto trazo = trazo_limite(l, *extension);
        if (trazo) bien = bien && dibujo.limite(*trazo);
    }
    for (const Pozo& p : c.pozos) bien = bien && dibujo.marca("POZOS", p.x, p.y, p.nombre);
    for (const Punto& p : c.puntos) {
        bien = bien && dibujo.marca("PUNTOS", p.x, p.y, p.nombre);
    }
    return cerrar_escrito(std::move(d)) && bien;
}

}  // namespace

void exportar_dxf(const std::string& ruta, const CapasSig& capas) {
    const SesionGdal sesion;
    escribir_por_memoria(ruta,
                         [&](const std::string& archivo) { return escribir_dxf(archivo, capas); });
}

}  // namespace abat
