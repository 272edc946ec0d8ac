#include "errores.h"

#include <utility>

namespace abat {

const char* descripcion_error(CodigoError codigo) {
    switch (codigo) {
        case CodigoError::argumento_no_valido:
            return "Llamada a procedimiento o argumento no válido";
        case CodigoError::desbordamiento:
            return "Desbordamiento";
        case CodigoError::division_por_cero:
            return "División por cero";
        case CodigoError::tipos_no_coinciden:
            return "No coinciden los tipos";
        case CodigoError::acceso_ruta:
            return "Error de acceso a la ruta o el archivo";
    }
    return "Error";
}

ErrorCalculo::ErrorCalculo(CodigoError codigo, Causa causa)
    : std::runtime_error(descripcion_error(codigo)), causa(causa), codigo_(codigo) {}

ErrorCalculo ErrorCalculo::de_acceso(std::string ruta) {
    ErrorCalculo e(CodigoError::acceso_ruta);
    e.ruta = std::move(ruta);
    return e;
}

}  // namespace abat
