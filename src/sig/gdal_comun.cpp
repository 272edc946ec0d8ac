#include "sig/gdal_comun.h"

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <mutex>

#include "archivos/escritura_entera.h"
#include "model/errores.h"

namespace abat {

namespace {

// GDAL's messages are not shown; a failure's error number, read as GDAL tells it, is the cause of
// a file that cannot be written.
void callar_y_anotar(CPLErr gravedad, CPLErrorNum /*numero*/, const char* /*mensaje*/) {
    if (gravedad >= CE_Failure && errno != 0) anotar_causa(errno);
}

}  // namespace

SesionGdal::SesionGdal() : silencio_(callar_y_anotar) {
    static std::once_flag registrado;
    std::call_once(registrado, [] { GDALAllRegister(); });
    CPLErrorReset();
}

Dataset dataset_en_memoria(int nx, int ny, GDALDataType tipo) {
    GDALDriver* mem = GetGDALDriverManager()->GetDriverByName("MEM");
    return Dataset(mem->Create("", nx, ny, 1, tipo, nullptr));
}

Dataset capas_en_memoria() {
    GDALDriver* memoria = GetGDALDriverManager()->GetDriverByName("Memory");
    return Dataset(memoria->Create("", 0, 0, 0, GDT_Unknown, nullptr));
}

bool cerrar_escrito(Dataset dataset) {
    if (!dataset) return false;
    const bool bien = CPLGetLastErrorType() < CE_Failure;
    dataset.reset();
    return bien && CPLGetLastErrorType() < CE_Failure;
}

void escribir_por_memoria(const std::string& ruta,
                          const std::function<bool(const std::string& archivo)>& escribir) {
    static std::atomic<int> cuenta = 0;
    const std::string memoria = "/vsimem/abat-" + std::to_string(++cuenta) +
                                std::filesystem::path(ruta).extension().string();
    const bool escrito = escribir(memoria);
    vsi_l_offset tamano = 0;
    const std::unique_ptr<GByte, decltype(&VSIFree)> bytes(
        escrito ? VSIGetMemFileBuffer(memoria.c_str(), &tamano, TRUE) : nullptr, &VSIFree);
    // Whatever the driver left in memory when it failed: the file, its temporary file.
    VSIUnlink(memoria.c_str());
    VSIUnlink((memoria + ".tmp").c_str());
    if (!bytes) throw ErrorCalculo::de_acceso(ruta);
    escribir_entero(ruta, std::string_view(reinterpret_cast<const char*>(bytes.get()),
                                           static_cast<size_t>(tamano)));
}

}  // namespace abat
