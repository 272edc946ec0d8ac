#include "archivos/escritura_entera.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>

#include "model/errores.h"

namespace abat {
namespace fs = std::filesystem;
namespace {

thread_local int causa_anotada = 0;  // on the thread that writes, for its writer of its own

// A name no other writer uses: the process and a count within it.
std::string nombre_temporal(const fs::path& ruta) {
    static std::atomic<int> cuenta = 0;
    return ruta.stem().string() + ".parcial-" + std::to_string(::getpid()) + "-" +
           std::to_string(++cuenta);
}

// Every file written under the temporary name: the file, its companions, SQLite's journal.
void borrar_temporales(const fs::path& carpeta, const std::string& prefijo) {
    std::error_code e;
    for (const auto& entrada : fs::directory_iterator(carpeta, e)) {
        if (entrada.path().filename().string().starts_with(prefijo)) fs::remove(entrada.path(), e);
    }
}

// The first failure's error number, kept as the cause.
struct Fallo {
    int numero = 0;
    bool operator()(bool bien) {
        if (!bien && numero == 0) numero = errno;
        return bien;
    }
};

// Written to the disk: what the system still holds of the file is flushed, and a write that
// failed on the way (a full disk, a quota) is told here.
bool al_disco(const fs::path& archivo, Fallo& fallo) {
    const int fd = ::open(archivo.c_str(), O_RDONLY | O_CLOEXEC);
    if (!fallo(fd >= 0)) return false;
    const bool bien = fallo(::fsync(fd) == 0);
    return fallo(::close(fd) == 0) && bien;
}

bool renombrar(const fs::path& desde, const fs::path& hasta, Fallo& fallo) {
    return fallo(::rename(desde.c_str(), hasta.c_str()) == 0);
}

// The companion written beside the temporary file takes its place beside `ruta`; where none was
// written, an old one goes, as it would describe another file.
bool acompanar(const fs::path& temporal, const fs::path& destino, const std::string& ext,
               Fallo& fallo) {
    const fs::path junto = fs::path(temporal).replace_extension(ext);
    const fs::path final = fs::path(destino).replace_extension(ext);
    std::error_code e;
    if (fs::exists(junto, e)) return al_disco(junto, fallo) && renombrar(junto, final, fallo);
    return fallo(!fs::remove(final, e) ? !e : true);
}

// Each write checked, for as long as it takes: a write may take less than it was given.
bool escribir_todo(const std::string& ruta, std::string_view bytes, Fallo& fallo) {
    const int fd = ::open(ruta.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (!fallo(fd >= 0)) return false;
    bool bien = true;
    while (bien && !bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        bien = fallo(n > 0);
        if (bien) bytes.remove_prefix(static_cast<size_t>(n));
    }
    bien = bien && fallo(::fsync(fd) == 0);
    return fallo(::close(fd) == 0) && bien;
}

// A writer of its own (GDAL) may leave no error number, or one of its own reading: the folder
// that the path tells, else the cause of the writer's first failure, else the number left; a
// missing folder never, as the path has told it is there.
int causa_del_fallo(const std::string& ruta, int numero) {
    if (const int por_la_ruta = causa_por_la_ruta(ruta); por_la_ruta != 0) return por_la_ruta;
    if (causa_anotada != 0 && causa_anotada != ENOENT) return causa_anotada;
    return numero == ENOENT ? 0 : numero;
}

}  // namespace

void escribir_entero(const std::string& ruta,
                     const std::function<bool(const std::string& temporal)>& escribir,
                     const std::vector<std::string>& acompanantes) {
    const fs::path destino(ruta);
    const fs::path carpeta = destino.has_parent_path() ? destino.parent_path() : fs::path(".");
    const std::string prefijo = nombre_temporal(destino);
    const fs::path temporal = carpeta / (prefijo + destino.extension().string());
    Fallo fallo;
    bool bien = false;
    causa_anotada = 0;
    try {
        errno = 0;
        bien = fallo(escribir(temporal.string()));
        // The file first: where it cannot go (a folder of that name), its companions stay out.
        bien = bien && al_disco(temporal, fallo) && renombrar(temporal, destino, fallo);
        for (const std::string& ext : acompanantes) {
            bien = bien && acompanar(temporal, destino, ext, fallo);
        }
    } catch (...) {
        borrar_temporales(carpeta, prefijo);
        throw;
    }
    borrar_temporales(carpeta, prefijo);
    if (!bien) {
        throw ErrorCalculo::de_acceso(ruta,
                                      motivo_del_sistema(causa_del_fallo(ruta, fallo.numero)));
    }
}

void anotar_causa(int numero) {
    if (causa_anotada == 0) causa_anotada = numero;
}

void escribir_entero(const std::string& ruta, std::string_view bytes) {
    Fallo propio;
    try {
        escribir_entero(ruta, [&](const std::string& temporal) {
            return escribir_todo(temporal, bytes, propio);
        });
    } catch (ErrorCalculo& e) {
        // Our own writes know their cause best: the disk that filled, the file too large.
        if (propio.numero != 0 && causa_por_la_ruta(ruta) == 0) {
            e.motivo = motivo_del_sistema(propio.numero);
        }
        throw;
    }
}

}  // namespace abat
