// The GIS functions for the program: each loads the module that holds them the first time one is
// called, and calls its own there. Installed, the module lies beside the program's libraries; in
// the build tree, where it was built.
#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <filesystem>

#include "model/errores.h"
#include "sig/modulo_sig.h"

namespace abat {
namespace {

// A program of the build tree (the program, its tests and benchmarks) takes the module built
// beside it; an installed one, the module installed with it, and no other.
std::string ruta_del_modulo() {
    std::error_code e;
    const std::string programa = std::filesystem::read_symlink("/proc/self/exe", e).string();
    if (programa.starts_with(ABAT_CONSTRUCCION "/")) return ABAT_MODULO_SIG_CONSTRUIDO;
    return (std::filesystem::path(programa).parent_path() / ABAT_MODULO_SIG_RELATIVO)
        .lexically_normal()
        .string();
}

// Loaded once, by whichever thread asks first, and never unloaded. Null when the module cannot be
// loaded; `fallo` then says why.
struct Modulo {
    const FuncionesSig* funciones = nullptr;
    std::string ruta;
    std::string fallo;
};

const Modulo& modulo() {
    static const Modulo m = [] {
        Modulo m;
        m.ruta = ruta_del_modulo();
        void* so = ::dlopen(m.ruta.c_str(), RTLD_NOW | RTLD_LOCAL);
        const auto dar =
            so != nullptr
                ? reinterpret_cast<decltype(&abat_funciones_sig)>(::dlsym(so, "abat_funciones_sig"))
                : nullptr;
        if (dar != nullptr) {
            m.funciones = dar();
        } else {
            const char* por_que = ::dlerror();
            m.fallo = por_que != nullptr ? por_que : "";
        }
        return m;
    }();
    return m;
}

// Where the functions cannot be had, a file is refused, a system or a map cannot be read, as
// they would be if GDAL refused them: the user is told why, and nothing else changes.
ErrorCalculo sin_modulo() {
    return ErrorCalculo::de_acceso(modulo().ruta, modulo().fallo);
}
std::string rechazo_sin_modulo() {
    return "No se pueden leer archivos de SIG: falta el módulo «" + modulo().ruta + "» (" +
           modulo().fallo + ").";
}

const FuncionesSig& funciones() {
    if (modulo().funciones == nullptr) throw sin_modulo();
    return *modulo().funciones;
}

bool hay_modulo() {
    return modulo().funciones != nullptr;
}

}  // namespace

const std::vector<Sistema>& sistemas_ofrecidos() {
    static const std::vector<Sistema> ninguno = {Sistema{}};
    return hay_modulo() ? funciones().sistemas_ofrecidos() : ninguno;
}
std::string etiqueta(const Sistema& sistema) {
    if (!hay_modulo())
        return sistema.tiene() ? "EPSG:" + std::to_string(sistema.epsg) : sistema.nombre;
    return funciones().etiqueta(sistema);
}
Resuelto<Sistema> leer_sistema(std::string_view texto) {
    if (!hay_modulo()) return Rechazo{rechazo_sin_modulo()};
    return funciones().leer_sistema(texto);
}
Resuelto<Importacion> importar_hoja(const std::string& ruta,
                                    const std::vector<std::string>& encabezados,
                                    Encabezado encabezado) {
    if (!hay_modulo()) return Rechazo{rechazo_sin_modulo()};
    return funciones().importar_hoja(ruta, encabezados, encabezado);
}
Resuelto<Importacion> importar_capa(const std::string& ruta, Registro tipo,
                                    const Sistema& estudio) {
    if (!hay_modulo()) return Rechazo{rechazo_sin_modulo()};
    return funciones().importar_capa(ruta, tipo, estudio);
}
void exportar_geopackage(const std::string& ruta, const CapasSig& capas,
                         const EstiloRaster& raster) {
    funciones().exportar_geopackage(ruta, capas, raster);
}
void exportar_geotiff(const std::string& ruta, const Rejilla& rejilla, const Sistema& sistema) {
    funciones().exportar_geotiff(ruta, rejilla, sistema);
}
void exportar_asc(const std::string& ruta, const Rejilla& rejilla, const Sistema& sistema) {
    funciones().exportar_asc(ruta, rejilla, sistema);
}
void exportar_dxf(const std::string& ruta, const CapasSig& capas) {
    funciones().exportar_dxf(ruta, capas);
}

}  // namespace abat
