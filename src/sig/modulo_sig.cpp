// The module of the GIS functions (libabatimientos-sig.so): the functions of abat_sig, given out
// through one table.
#include "sig/modulo_sig.h"

extern "C" __attribute__((visibility("default"))) const abat::FuncionesSig* abat_funciones_sig() {
    using namespace abat;
    static const FuncionesSig funciones{sistemas_ofrecidos, etiqueta,      leer_sistema,
                                        importar_hoja,      importar_capa, exportar_geopackage,
                                        exportar_geotiff,   exportar_asc,  exportar_dxf};
    return &funciones;
}
