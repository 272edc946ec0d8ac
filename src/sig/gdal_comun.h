#pragma once
// What the GDAL adapters share: GDAL's drivers registered once, GDAL's own messages (in English)
// kept off the terminal while an adapter works, and datasets closed when they go out of scope.
// Included by the adapters' sources only: no other library sees GDAL.

#include <cpl_conv.h>
#include <cpl_error.h>
#include <gdal_priv.h>

#include <functional>
#include <memory>
#include <string>

namespace abat {

// For the span of one adapter's call: GDAL ready, and its failures left for the adapter to tell
// in Spanish.
class SesionGdal {
  public:
    SesionGdal();

  private:
    CPLErrorHandlerPusher silencio_;
};

struct CerrarDataset {
    void operator()(GDALDataset* d) const { GDALClose(d); }
};
using Dataset = std::unique_ptr<GDALDataset, CerrarDataset>;

// A dataset of GDAL's own drivers in memory, for rasters or for vector layers.
Dataset dataset_en_memoria(int nx, int ny, GDALDataType tipo);
Dataset capas_en_memoria();

// Closes a dataset being written; false if GDAL failed while writing or closing it.
bool cerrar_escrito(Dataset dataset);

// For a driver that does not tell every write that failed (DXF writes its end as it closes, and
// no failure of it reaches the caller): GDAL writes into memory, under a name with `ruta`'s
// extension, and the bytes go to `ruta` whole, by escribir_entero, which tells a full disk.
void escribir_por_memoria(const std::string& ruta,
                          const std::function<bool(const std::string& archivo)>& escribir);

}  // namespace abat
