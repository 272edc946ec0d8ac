// The map's grid alone: GeoTIFF and ESRI ASCII grid.
#include <array>

#include "archivos/escritura_entera.h"
#include "sig/exportacion.h"
#include "sig/gdal_comun.h"
#include "sig/raster_rejilla.h"
#include "sig/referencia_espacial.h"

namespace abat {
namespace {

void exportar_raster(const std::string& ruta, const Rejilla& rejilla, const Sistema& sistema,
                     const char* formato, CSLConstList opciones,
                     const std::vector<std::string>& acompanantes) {
    const SesionGdal sesion;
    // No .aux.xml beside the file: what GDAL could not store in it would not travel with it.
    const CPLConfigOptionSetter sin_pam("GDAL_PAM_ENABLED", "NO", false);
    const auto srs = referencia(sistema);
    escribir_entero(
        ruta,
        [&](const std::string& temporal) {
            const Dataset raster = raster_para_archivo(rejilla, GDT_Float64, srs.get());
            if (!raster) return false;
            GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(formato);
            return cerrar_escrito(Dataset(driver->CreateCopy(temporal.c_str(), raster.get(), FALSE,
                                                             opciones, nullptr, nullptr)));
        },
        acompanantes);
}

}  // namespace

void exportar_geotiff(const std::string& ruta, const Rejilla& rejilla, const Sistema& sistema) {
    const std::array<const char*, 2> opciones = {"COMPRESS=DEFLATE", nullptr};
    exportar_raster(ruta, rejilla, sistema, "GTiff", opciones.data(), {});
}

void exportar_asc(const std::string& ruta, const Rejilla& rejilla, const Sistema& sistema) {
    // The digits of number_to_text: every value reads back as the number the program shows.
    const std::array<const char*, 2> opciones = {"SIGNIFICANT_DIGITS=15", nullptr};
    exportar_raster(ruta, rejilla, sistema, "AAIGrid", opciones.data(), {".prj"});
}

}  // namespace abat
