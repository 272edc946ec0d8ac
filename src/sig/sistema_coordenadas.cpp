#include "sig/sistema_coordenadas.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "model/numeros.h"
#include "sig/gdal_comun.h"
#include "sig/mensajes_sig.h"
#include "sig/referencia_espacial.h"

namespace abat {
namespace {

// EPSG's names say "UTM zone"; in Spain the zone is the "huso".
std::string en_espanol(std::string nombre) {
    const std::string zona = "UTM zone ";
    if (const size_t i = nombre.find(zona); i != std::string::npos) {
        nombre.replace(i, zona.size(), "UTM huso ");
    }
    return nombre;
}

// The code in "EPSG:25830", "epsg 25830" or "25830"; none for any other text.
std::optional<int> codigo_de(std::string_view texto) {
    texto = recortar_blancos(texto);
    const std::string_view epsg = "EPSG";
    if (texto.size() >= epsg.size() &&
        std::equal(epsg.begin(), epsg.end(), texto.begin(), [](char a, char b) {
            return a == std::toupper(static_cast<unsigned char>(b));
        })) {
        texto = recortar_blancos(texto.substr(epsg.size()));
        if (texto.starts_with(':')) texto = recortar_blancos(texto.substr(1));
    }
    int codigo = 0;
    const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), codigo);
    if (error != std::errc() || fin != texto.data() + texto.size() || codigo <= 0) {
        return std::nullopt;
    }
    return codigo;
}

}  // namespace

std::unique_ptr<OGRSpatialReference> referencia(const Sistema& sistema) {
    if (!sistema.tiene()) return nullptr;
    auto srs = std::make_unique<OGRSpatialReference>();
    if (srs->importFromEPSG(sistema.epsg) != OGRERR_NONE) return nullptr;
    srs->SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    return srs;
}

std::string motivo_rechazo(const OGRSpatialReference& srs, const std::string& nombre) {
    if (srs.IsProjected() == 0) {
        return nombre +
               " no es un sistema proyectado: las coordenadas de pozos y puntos han de "
               "estar en metros.";
    }
    constexpr double tolerancia = 1e-9;
    if (std::abs(srs.GetLinearUnits() - 1.0) > tolerancia) {
        return nombre +
               " no mide en metros: las coordenadas de pozos y puntos han de estar en "
               "metros.";
    }
    return {};
}

std::optional<Sistema> sistema_de(const OGRSpatialReference& srs) {
    OGRSpatialReference copia(srs);
    const char* autoridad = copia.GetAuthorityName(nullptr);
    if (autoridad == nullptr || std::string_view(autoridad) != "EPSG") {
        if (copia.AutoIdentifyEPSG() != OGRERR_NONE) return std::nullopt;
    }
    const char* codigo = copia.GetAuthorityCode(nullptr);
    const std::optional<int> epsg = codigo != nullptr ? codigo_de(codigo) : std::nullopt;
    if (!epsg) return std::nullopt;
    return Sistema{*epsg, en_espanol(copia.GetName())};
}

const std::vector<Sistema>& sistemas_ofrecidos() {
    static const std::vector<Sistema> sistemas = [] {
        std::vector<Sistema> s{Sistema{}};
        for (const int epsg : {25828, 25829, 25830, 25831, 4082, 4083, 32629, 32630, 32631}) {
            // Without PROJ's database no system reads: only local coordinates are offered.
            const Resuelto<Sistema> l = leer_sistema(std::to_string(epsg));
            if (l) s.push_back(*l);
        }
        return s;
    }();
    return sistemas;
}

std::string etiqueta(const Sistema& sistema) {
    if (!sistema.tiene()) return sistema.nombre;
    return "EPSG:" + std::to_string(sistema.epsg) + " · " + sistema.nombre;
}

Resuelto<Sistema> leer_sistema(std::string_view texto) {
    const std::optional<int> codigo = codigo_de(texto);
    if (!codigo) {
        return Rechazo{cita(texto) +
                       " no es un código EPSG: escriba, por ejemplo, EPSG:25830 o 25830."};
    }
    const SesionGdal sesion;
    const std::string epsg = "EPSG:" + std::to_string(*codigo);
    OGRSpatialReference srs;
    if (srs.importFromEPSG(*codigo) != OGRERR_NONE) {
        return Rechazo{epsg + " no es un sistema de coordenadas conocido."};
    }
    const std::string nombre = en_espanol(srs.GetName());
    if (std::string motivo = motivo_rechazo(srs, epsg + " (" + nombre + ")"); !motivo.empty()) {
        return Rechazo{std::move(motivo)};
    }
    return Sistema{*codigo, nombre};
}

}  // namespace abat
