#include "sig/campos_capa.h"

namespace abat {

std::optional<int> campo(const OGRFeatureDefn& definicion, Dato dato) {
    for (const std::string& buscado : nombres_de(dato)) {
        for (int i = 0; i < definicion.GetFieldCount(); ++i) {
            if (nombre_comparable(definicion.GetFieldDefn(i)->GetNameRef()) == buscado) return i;
        }
    }
    return std::nullopt;
}

std::string lista_de_campos(const OGRFeatureDefn& definicion) {
    std::string lista;
    for (int i = 0; i < definicion.GetFieldCount(); ++i) {
        lista += (i > 0 ? ", " : "") + std::string(definicion.GetFieldDefn(i)->GetNameRef());
    }
    return lista;
}

}  // namespace abat
