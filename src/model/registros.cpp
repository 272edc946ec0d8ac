#include "model/registros.h"

namespace abat {

std::string nombre_pozo(const std::string& nombre) {
    return "Pozo " + nombre;
}

std::string encabezado_pozo(const std::string& nombre) {
    return nombre_pozo(nombre) + "[m]";
}

}  // namespace abat
