#include "model/registros.h"

namespace abat {

std::string nombre_pozo(const std::string& nombre) {
    return "Pozo " + nombre;
}

std::string encabezado_pozo(const std::string& nombre) {
    return nombre_pozo(nombre) + "[m]";
}

const char* texto_tipo(TipoLimite tipo) {
    return tipo == TipoLimite::recarga ? texto_recarga : texto_barrera;
}

const char* nombre_tipo(TipoLimite tipo) {
    return tipo == TipoLimite::recarga ? "recarga" : "barrera";
}

}  // namespace abat
