// GIS point layers into the wells or points table.
#include <ogrsf_frmts.h>

#include <array>

#include "model/numeros.h"
#include "model/portapapeles.h"
#include "sig/area_de_uso.h"
#include "sig/campos_capa.h"
#include "sig/gdal_comun.h"
#include "sig/importacion.h"
#include "sig/mensajes_sig.h"
#include "sig/referencia_espacial.h"

namespace abat {
namespace {

// A field the records need: what the message calls it, and what it holds.
struct Buscado {
    std::string que;
    Dato dato;
};

const Buscado nombre{"del nombre", Dato::nombre};
const Buscado diametro{"del diámetro", Dato::diametro};
const Buscado caudal{"del caudal", Dato::caudal};
constexpr int sin_campo = -1;  // a wells layer's diameter, which the user gives for all

OGRLayer* capa_de(GDALDataset& d, Registro tipo) {
    if (OGRLayer* propia = d.GetLayerByName(tipo == Registro::pozo ? "pozos" : "puntos")) {
        return propia;
    }
    return d.GetLayerCount() > 0 ? d.GetLayer(0) : nullptr;
}

// The layer's fields for the record's columns: the name, and the diameter and the rate of a well;
// a wells layer may lack the diameter (sin_campo).
std::vector<int> campos_de(OGRLayer& capa, Registro tipo, const std::string& lugar) {
    std::vector<const Buscado*> buscados{&nombre};
    if (tipo == Registro::pozo) buscados.insert(buscados.end(), {&diametro, &caudal});
    std::vector<int> indices;
    for (const Buscado* b : buscados) {
        const std::optional<int> i = campo(*capa.GetLayerDefn(), b->dato);
        if (!i && b == &diametro) {
            indices.push_back(sin_campo);
            continue;
        }
        if (!i) {
            const std::string campos = lista_de_campos(*capa.GetLayerDefn());
            rechazar(lugar + " no tiene el campo " + b->que + " (" + lista_de_nombres(b->dato) +
                     "). " +
                     (campos.empty() ? "No tiene campos." : "Sus campos son: " + campos + "."));
        }
        indices.push_back(*i);
    }
    return indices;
}

// A number field's value as the add command stores it; text fields by the rules of a paste.
std::string numero_de(OGRFeature& f, int i, const std::string& elemento) {
    const char* campo = f.GetFieldDefnRef(i)->GetNameRef();
    if (!f.IsFieldSetAndNotNull(i) || recortar_blancos(f.GetFieldAsString(i)).empty())
        rechazar(elemento + " no tiene valor en el campo " + cita(campo) + ".");
    const OGRFieldType tipo = f.GetFieldDefnRef(i)->GetType();
    if (tipo == OFTReal || tipo == OFTInteger || tipo == OFTInteger64) {
        return number_to_text(f.GetFieldAsDouble(i));
    }
    if (auto n = numero_de_celda(f.GetFieldAsString(i))) return *n;
    rechazar(elemento + ", campo " + cita(campo) + ": " + cita(f.GetFieldAsString(i)) +
             " no es un valor numérico.");
}

const OGRPoint* punto_de(const OGRGeometry* g) {
    if (g == nullptr || g->IsEmpty() != FALSE) return nullptr;
    const OGRwkbGeometryType tipo = wkbFlatten(g->getGeometryType());
    if (tipo == wkbPoint) return g->toPoint();
    if (tipo == wkbMultiPoint && g->toMultiPoint()->getNumGeometries() == 1) {
        return g->toMultiPoint()->getGeometryRef(0);
    }
    return nullptr;
}

// Into the study's system, when both have one; the layer's system for a study without one.
class Reproyeccion {
  public:
    Reproyeccion(const OGRSpatialReference* capa, const Sistema& estudio, Importacion& resultado) {
        if (capa == nullptr) return;
        const std::string nombre = cita(capa->GetName());
        if (!estudio.tiene()) {
            std::string motivo = motivo_rechazo(*capa, "La capa está en " + nombre + ", que");
            if (!motivo.empty()) {
                rechazar(motivo +
                         " Elija antes el sistema de coordenadas del estudio: la capa "
                         "se reproyectará a él.");
            }
            resultado.sistema = sistema_de(*capa);
            return;
        }
        OGRSpatialReference origen(*capa);
        origen.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
        const auto destino = referencia(estudio);
        if (destino)
            transformacion_.reset(OGRCreateCoordinateTransformation(&origen, destino.get()));
        if (!transformacion_) {
            rechazar("No se puede pasar la capa de " + nombre + " al sistema del estudio (" +
                     etiqueta(estudio) + ").");
        }
    }

    // False where the point cannot be transformed.
    bool aplicar(double& x, double& y) const {
        return !transformacion_ || transformacion_->Transform(1, &x, &y) != 0;
    }

  private:
    std::unique_ptr<OGRCoordinateTransformation> transformacion_;
};

std::vector<std::string> registro_de(OGRFeature& f, const std::vector<int>& campos,
                                     const Reproyeccion& r, const std::string& elemento) {
    const OGRPoint* p = punto_de(f.GetGeometryRef());
    if (p == nullptr) {
        rechazar(elemento + " no tiene un punto por geometría: solo se importan capas de puntos.");
    }
    std::vector<std::string> registro{f.GetFieldAsString(campos[0])};
    for (size_t c = 1; c < campos.size(); ++c) {
        registro.push_back(campos[c] == sin_campo ? std::string()
                                                  : numero_de(f, campos[c], elemento));
    }
    double x = p->getX();
    double y = p->getY();
    if (!r.aplicar(x, y)) rechazar(elemento + " no se puede pasar al sistema del estudio.");
    registro.push_back(number_to_text(x));
    registro.push_back(number_to_text(y));
    return registro;
}

Importacion leer_capa(OGRLayer& capa, Registro tipo, const Sistema& estudio,
                      const std::string& lugar) {
    Importacion resultado;
    resultado.capa = lugar;
    const std::vector<int> campos = campos_de(capa, tipo, lugar);
    resultado.sin_diametro = tipo == Registro::pozo && campos[1] == sin_campo;
    const Reproyeccion reproyeccion(capa.GetSpatialRef(), estudio, resultado);
    // Where the records land: in the study's system, or in the layer's that the study takes.
    const AreaDeUso area(capa.GetSpatialRef(), resultado.sistema.value_or(estudio));
    int n = 0;
    for (const auto& f : capa) {
        // Named in messages by its place in the layer and, when it has one, its name.
        const std::string su_nombre = f->GetFieldAsString(campos[0]);
        const std::string elemento = "El elemento " + std::to_string(++n) +
                                     (su_nombre.empty() ? "" : " (" + cita(su_nombre) + ")");
        resultado.registros.push_back(registro_de(*f, campos, reproyeccion, elemento));
        const OGRPoint* p = punto_de(f->GetGeometryRef());
        if (area.lejos(p->getX(), p->getY()))
            resultado.lejanos.push_back(resultado.registros.size() - 1);
    }
    if (resultado.registros.empty()) rechazar(lugar + " no tiene ningún elemento.");
    return resultado;
}

}  // namespace

Resuelto<Importacion> importar_capa(const std::string& ruta, Registro tipo,
                                    const Sistema& estudio) {
    const SesionGdal sesion;
    const std::string archivo = cita_archivo(ruta);
    const std::array<const char*, 6> drivers = {"GPKG", "ESRI Shapefile", "GeoJSON", "LIBKML",
                                                "KML",  nullptr};
    const Dataset d(GDALDataset::Open(ruta.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY,
                                      drivers.data(), nullptr, nullptr));
    OGRLayer* capa = d ? capa_de(*d, tipo) : nullptr;
    if (capa == nullptr) {
        return Rechazo{"No se puede leer " + archivo +
                       " como capa de puntos (.gpkg, .shp, .geojson o .kml)."};
    }
    Resuelto<Importacion> i = resolver([&] {
        return leer_capa(*capa, tipo, estudio,
                         "La capa " + cita(capa->GetName()) + " de " + archivo);
    });
    if (!i) return Rechazo{i.rechazo() + "\n\nNo se ha importado nada."};
    return i;
}

}  // namespace abat
