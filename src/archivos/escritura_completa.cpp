#include "archivos/escritura_completa.h"

#include <unistd.h>

#include <atomic>
#include <filesystem>

#include "model/errores.h"

namespace abat {
namespace fs = std::filesystem;
namespace {

// A name no other writer uses: the process and a count within it.
std::string nombre_temporal(const fs::path& ruta) {
    static std::atomic<int> cuenta = 0;
    return ruta.stem().string() + ".parcial-" + std::to_string(::getpid()) + "-" +
           std::to_string(++cuenta);
}

// Every file that GDAL wrote under the temporary name: the file, its companions, SQLite's journal.
void borrar_temporales(const fs::path& carpeta, const std::string& prefijo) {
    std::error_code e;
    for (const auto& entrada : fs::directory_iterator(carpeta, e)) {
        if (entrada.path().filename().string().starts_with(prefijo)) fs::remove(entrada.path(), e);
    }
}

bool renombrar(const fs::path& desde, const fs::path& hasta) {
    std::error_code e;
    fs::rename(desde, hasta, e);
    return !e;
}

// The companion written beside the temporary file takes its place beside `ruta`; where none was
// written, an old one goes, as it would describe another file.
bool acompanar(const fs::path& temporal, const fs::path& destino, const std::string& ext) {
    const fs::path junto = fs::path(temporal).replace_extension(ext);
    const fs::path final = fs::path(destino).replace_extension(ext);
    std::error_code e;
    if (fs::exists(junto, e)) return renombrar(junto, final);
    fs::remove(final, e);
    return !e;
}

}  // namespace

void escribir_completo(const std::string& ruta,
                       const std::function<bool(const std::string& temporal)>& escribir,
                       const std::vector<std::string>& acompanantes) {
    const fs::path destino(ruta);
    const fs::path carpeta = destino.has_parent_path() ? destino.parent_path() : fs::path(".");
    const std::string prefijo = nombre_temporal(destino);
    const fs::path temporal = carpeta / (prefijo + destino.extension().string());
    bool bien = false;
    try {
        // The file first: where it cannot go (a folder of that name), its companions stay out.
        bien = escribir(temporal.string()) && renombrar(temporal, destino);
        for (const std::string& ext : acompanantes) {
            bien = bien && acompanar(temporal, destino, ext);
        }
    } catch (...) {
        borrar_temporales(carpeta, prefijo);
        throw;
    }
    borrar_temporales(carpeta, prefijo);
    // GDAL's messages go to its log; the user reads the cause the path itself tells.
    if (!bien) throw ErrorCalculo::de_acceso(ruta, motivo_del_sistema(causa_por_la_ruta(ruta)));
}

}  // namespace abat
