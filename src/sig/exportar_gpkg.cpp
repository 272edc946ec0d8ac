// The study's GeoPackage: wells, points with their drawdowns, isolines and the map's raster.
#include <ogrsf_frmts.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "archivos/escritura_entera.h"
#include "model/numeros.h"
#include "sig/exportacion.h"
#include "sig/gdal_comun.h"
#include "sig/limites_sig.h"
#include "sig/raster_rejilla.h"
#include "sig/referencia_espacial.h"

namespace abat {
namespace {

// The columns of a GeoPackage table (SQLite's limit) less the feature's id and geometry.
constexpr size_t max_campos_gpkg = 2000 - 2;

std::string minusculas(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// Field names a GeoPackage can hold together: wells named alike, or like another field, get
// " (2)", " (3)"... SQLite tells names apart without regard to case.
std::vector<std::string> nombres_distintos(const std::vector<std::string>& fijos,
                                           const std::vector<std::string>& nombres) {
    std::vector<std::string> usados;
    usados.reserve(fijos.size() + nombres.size());
    for (const std::string& f : fijos) usados.push_back(minusculas(f));
    std::vector<std::string> distintos;
    distintos.reserve(nombres.size());
    for (const std::string& n : nombres) {
        std::string nombre = n.empty() ? "pozo" : n;
        for (int k = 2; std::find(usados.begin(), usados.end(), minusculas(nombre)) != usados.end();
             ++k) {
            nombre = (n.empty() ? "pozo" : n) + " (" + std::to_string(k) + ")";
        }
        usados.push_back(minusculas(nombre));
        distintos.push_back(nombre);
    }
    return distintos;
}

OGRLayer* capa_nueva(GDALDataset& d, const char* nombre, OGRSpatialReference* srs,
                     OGRwkbGeometryType tipo,
                     const std::vector<std::pair<std::string, OGRFieldType>>& campos) {
    OGRLayer* capa = d.CreateLayer(nombre, srs, tipo, nullptr);
    if (capa == nullptr) return nullptr;
    for (const auto& [campo, tipo_campo] : campos) {
        OGRFieldDefn definicion(campo.c_str(), tipo_campo);
        if (capa->CreateField(&definicion) != OGRERR_NONE) return nullptr;
    }
    return capa;
}

bool agregar(OGRLayer& capa, OGRFeature& f, OGRGeometry* g) {
    f.SetGeometryDirectly(g);
    return capa.CreateFeature(&f) == OGRERR_NONE;
}

// A well's steps in words, as the wells table's tooltip gives them; empty without steps.
std::string en_palabras(const Pozo& p, const std::vector<Etapa>& etapas) {
    if (etapas.empty()) return {};
    const auto texto = [](const LecturaEstricta& q) {
        return q.ok() ? number_to_text(q.valor) : "";
    };
    std::vector<EtapaTexto> textos;
    textos.reserve(etapas.size());
    for (const Etapa& e : etapas) textos.push_back({number_to_text(e.desde), texto(e.caudal)});
    return texto_etapas(texto(p.caudal), textos, "; ");
}

// Each well at the time of the isolines: its rate then, and its schedule.
bool escribir_pozos(GDALDataset& d, const CapasSig& c, OGRSpatialReference* srs) {
    std::vector<std::pair<std::string, OGRFieldType>> campos = {{"nombre", OFTString},
                                                                {"diametro", OFTReal},
                                                                {"caudal", OFTReal},
                                                                {"tiempo", OFTReal},
                                                                {"etapas", OFTString}};
    const bool con_niveles = c.niveles.size() == c.pozos.size() && !c.niveles.empty();
    if (con_niveles) {
        for (const char* n :
             {"nivel_propio", "nivel_interferencia", "nivel_perdidas", "nivel_total"})
            campos.emplace_back(n, OFTReal);
    }
    OGRLayer* capa = capa_nueva(d, "pozos", srs, wkbPoint, campos);
    if (capa == nullptr) return false;
    const std::vector<Etapa> ninguna;
    for (size_t k = 0; k < c.pozos.size(); ++k) {
        const Pozo& p = c.pozos[k];
        const std::vector<Etapa>& etapas = k < c.etapas.size() ? c.etapas[k] : ninguna;
        const LecturaEstricta caudal = caudal_en(p.caudal, etapas, c.isolineas.tiempo);
        OGRFeature f(capa->GetLayerDefn());
        f.SetField(0, p.nombre.c_str());
        f.SetField(1, p.diametro);
        if (caudal.ok()) f.SetField(2, caudal.valor);
        f.SetField(3, c.isolineas.tiempo);
        f.SetField(4, en_palabras(p, etapas).c_str());
        if (con_niveles) {
            const NivelSig& n = c.niveles[k];
            int i = 5;
            for (const double v : {n.propio, n.interferencia, n.perdidas, n.total}) {
                if (std::isfinite(v)) f.SetField(i, v);
                ++i;
            }
        }
        if (!agregar(*capa, f, new OGRPoint(p.x, p.y))) return false;
    }
    return true;
}

// Each well's share at each point, a row each, the well by its name as in "pozos": for fields with
// more wells than a layer holds columns.
bool escribir_partes(GDALDataset& d, const CapasSig& c) {
    OGRLayer* capa =
        capa_nueva(d, "partes", nullptr, wkbNone,
                   {{"punto", OFTString}, {"pozo", OFTString}, {"abatimiento", OFTReal}});
    if (capa == nullptr) return false;
    for (size_t j = 0; j < c.puntos.size(); ++j) {
        for (size_t k = 0; k < c.pozos.size(); ++k) {
            OGRFeature f(capa->GetLayerDefn());
            f.SetField(0, c.puntos[j].nombre.c_str());
            f.SetField(1, c.pozos[k].nombre.c_str());
            f.SetField(2, c.resultados->parte(j, k));
            if (capa->CreateFeature(&f) != OGRERR_NONE) return false;
        }
    }
    return true;
}

// The field of each well's share, as the results table heads it.
std::vector<std::string> campos_partes(std::span<const Pozo> pozos) {
    std::vector<std::string> campos;
    campos.reserve(pozos.size());
    for (const Pozo& p : pozos) campos.push_back(encabezado_pozo(p.nombre));
    return campos;
}

bool escribir_puntos(GDALDataset& d, const CapasSig& c, OGRSpatialReference* srs) {
    const std::vector<std::string> fijos = {"nombre", "tiempo", "abatimiento_total"};
    std::vector<std::pair<std::string, OGRFieldType>> campos = {
        {fijos[0], OFTString}, {fijos[1], OFTReal}, {fijos[2], OFTReal}};
    const bool en_campos = fijos.size() + c.pozos.size() <= max_campos_gpkg;
    if (en_campos) {
        for (const std::string& n : nombres_distintos(fijos, campos_partes(c.pozos))) {
            campos.emplace_back(n, OFTReal);
        }
    }
    OGRLayer* capa = capa_nueva(d, "puntos", srs, wkbPoint, campos);
    if (capa == nullptr) return false;
    for (size_t j = 0; j < c.puntos.size(); ++j) {
        const Punto& p = c.puntos[j];
        OGRFeature f(capa->GetLayerDefn());
        f.SetField(0, p.nombre.c_str());
        f.SetField(1, c.tiempo);
        if (c.resultados != nullptr) {
            f.SetField(2, c.resultados->totales[j]);
            for (size_t k = 0; en_campos && k < c.pozos.size(); ++k) {
                f.SetField(static_cast<int>(k) + 3, c.resultados->parte(j, k));
            }
        }
        if (!agregar(*capa, f, new OGRPoint(p.x, p.y))) return false;
    }
    return en_campos || c.resultados == nullptr || escribir_partes(d, c);
}

bool escribir_isolineas(GDALDataset& d, const IsolineasSig& isolineas, OGRSpatialReference* srs) {
    OGRLayer* capa = capa_nueva(d, "isolineas", srs, wkbLineString,
                                {{"abatimiento", OFTReal}, {"tiempo", OFTReal}});
    if (capa == nullptr) return false;
    for (const Isolinea& l : isolineas.lineas) {
        OGRFeature f(capa->GetLayerDefn());
        f.SetField(0, l.nivel);
        f.SetField(1, isolineas.tiempo);
        auto* linea = new OGRLineString;
        for (const auto& [x, y] : l.puntos) linea->addPoint(x, y);
        if (!agregar(*capa, f, linea)) return false;
    }
    return true;
}

// A layer only for a study with boundaries: a GeoPackage of one without is as it always was.
bool escribir_limites(GDALDataset& d, const CapasSig& c, OGRSpatialReference* srs) {
    if (c.limites.empty()) return true;
    OGRLayer* capa =
        capa_nueva(d, "limites", srs, wkbLineString, {{"linea", OFTInteger}, {"tipo", OFTString}});
    if (capa == nullptr) return false;
    const Caja extension = *extension_de(c);
    for (const Lado& l : c.limites) {
        const auto trazo = trazo_limite(l, extension);
        if (!trazo) continue;
        OGRFeature f(capa->GetLayerDefn());
        f.SetField(0, l.linea);
        f.SetField(1, nombre_tipo(l.tipo()));
        auto* linea = new OGRLineString;
        linea->addPoint((*trazo)[0], (*trazo)[1]);
        linea->addPoint((*trazo)[2], (*trazo)[3]);
        if (!agregar(*capa, f, linea)) return false;
    }
    return true;
}

// The layers and their styles, the raster's among them (its table comes next).
bool escribir_vectores(const std::string& ruta, const CapasSig& c, OGRSpatialReference* srs,
                       const EstiloRaster& raster) {
    GDALDriver* gpkg = GetGDALDriverManager()->GetDriverByName("GPKG");
    Dataset d(gpkg->Create(ruta.c_str(), 0, 0, 0, GDT_Unknown, nullptr));
    if (!d) return false;
    // One transaction: a row each would be committed to the disk one by one.
    const bool bien = d->StartTransaction() == OGRERR_NONE && escribir_pozos(*d, c, srs) &&
                      escribir_puntos(*d, c, srs) && escribir_isolineas(*d, c.isolineas, srs) &&
                      escribir_limites(*d, c, srs) && escribir_estilos(*d, raster) &&
                      d->CommitTransaction() == OGRERR_NONE;
    return cerrar_escrito(std::move(d)) && bien;
}

// Into the GeoPackage just written, beside its layers.
bool escribir_raster(const std::string& ruta, const Rejilla& r, OGRSpatialReference* srs) {
    if (r.nx == 0 || r.ny == 0) return true;
    const Dataset raster = raster_para_archivo(r, GDT_Float32, srs);
    if (!raster) return false;
    GDALDriver* gpkg = GetGDALDriverManager()->GetDriverByName("GPKG");
    const std::array<const char*, 3> opciones = {"APPEND_SUBDATASET=YES",
                                                 "RASTER_TABLE=abatimiento", nullptr};
    return cerrar_escrito(Dataset(
        gpkg->CreateCopy(ruta.c_str(), raster.get(), FALSE, opciones.data(), nullptr, nullptr)));
}

// The raster's style also as a QML file of the GeoPackage's name beside it, the default style
// QGIS 3.22 (Debian 12's) reads for a raster, which it does not take from "layer_styles".
bool escribir_qml(const std::string& temporal, const EstiloRaster& raster) {
    std::ofstream f(std::filesystem::path(temporal).replace_extension(".qml"), std::ios::binary);
    f << qml_raster(raster);
    f.close();
    return !f.fail();
}

}  // namespace

void exportar_geopackage(const std::string& ruta, const CapasSig& capas,
                         const EstiloRaster& raster) {
    const SesionGdal sesion;
    const auto srs = referencia(capas.sistema);
    const bool con_raster = capas.rejilla.nx > 0 && capas.rejilla.ny > 0;
    const EstiloRaster estilo = con_raster ? raster : EstiloRaster{};
    escribir_entero(ruta,
                    [&](const std::string& temporal) {
                        return escribir_vectores(temporal, capas, srs.get(), estilo) &&
                               escribir_raster(temporal, capas.rejilla, srs.get()) &&
                               (estilo.clases.empty() || escribir_qml(temporal, estilo));
                    },
                    {".qml"});
}

}  // namespace abat
