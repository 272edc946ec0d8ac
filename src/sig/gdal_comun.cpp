#include "sig/gdal_comun.h"

#include <mutex>

namespace abat {

SesionGdal::SesionGdal() : silencio_(CPLQuietErrorHandler) {
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

}  // namespace abat
