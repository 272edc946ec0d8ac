#include "model/errores.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
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

ErrorCalculo ErrorCalculo::de_acceso(std::string ruta, std::string motivo) {
    ErrorCalculo e(CodigoError::acceso_ruta);
    e.ruta = std::move(ruta);
    e.motivo = std::move(motivo);
    return e;
}

int causa_por_la_ruta(const std::string& ruta) {
    namespace fs = std::filesystem;
    std::error_code e;
    const fs::path archivo = fs::absolute(ruta, e);
    if (fs::is_directory(archivo, e)) return EISDIR;
    const fs::path carpeta = archivo.parent_path();
    if (!fs::exists(carpeta, e)) return ENOENT;
    if (!fs::is_directory(carpeta, e)) return ENOTDIR;
    if (::access(carpeta.c_str(), W_OK) != 0) return EACCES;
    return 0;
}

std::string motivo_del_sistema(int numero) {
    switch (numero) {
        case ENOENT:  // creating a file: a folder of its path is missing
            return "No existe el directorio";
        case ENOTDIR:
            return "Una parte de la ruta no es un directorio";
        case EACCES:
        case EPERM:
            return "Permiso denegado";
        case ENOSPC:
            return "No queda espacio en el dispositivo";
        case EFBIG:
            return "El archivo supera el tamaño que se le permite";
        case EDQUOT:
            return "Se ha superado la cuota de disco";
        case EROFS:
            return "El sistema de archivos es de solo lectura";
        case EISDIR:
            return "Es un directorio";
        case ENAMETOOLONG:
            return "El nombre del archivo es demasiado largo";
        case EIO:
            return "Error de entrada/salida del dispositivo";
        case 0:
            return {};
        default:
            return "Error del sistema " + std::to_string(numero);
    }
}

}  // namespace abat
