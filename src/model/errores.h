#pragma once
// Run-time errors of a calculation. Each carries the number and the Spanish description that the
// user is shown, and, where known, which well and which point were being computed.

#include <optional>
#include <stdexcept>
#include <string>

namespace abat {

enum class CodigoError {
    argumento_no_valido = 5,  // invalid operation: the logarithm of 0 or of a negative number, 0/0
    desbordamiento = 6,       // overflow
    division_por_cero = 11,   // a finite number divided by zero
    tipos_no_coinciden = 13,  // a text that is not a number where a number is required
    acceso_ruta = 75,         // a file or directory that cannot be written or read
};

// The quantity whose size made a step overflow, where the step can tell: the user is led to the
// window that holds it.
enum class Causa {
    desconocida,
    acuifero,   // the transmissivity or the storage coefficient
    tiempo,     // the pumping time
    pozo,       // a well's rate, position or diameter
    lugar,      // the point, or grid node, where the drawdown is computed
    extension,  // the extent of the chart, which the largest coordinates of wells and points set
};

// Spanish description of an error number, as the user reads it.
const char* descripcion_error(CodigoError codigo);

// Why the system refused a file operation, in Spanish, from the C library's error number (errno):
// "No existe el directorio", "Permiso denegado", "No queda espacio en el dispositivo", ...
std::string motivo_del_sistema(int numero);
// Why a file could not be created at `ruta`, read from the path itself when the system's error
// number was lost on the way: a folder of that name, a missing or unwritable folder; 0 if none.
int causa_por_la_ruta(const std::string& ruta);

class ErrorCalculo : public std::runtime_error {
  public:
    explicit ErrorCalculo(CodigoError codigo, Causa causa = Causa::desconocida);
    // A file that cannot be accessed, named by its path, and why as the system tells it.
    static ErrorCalculo de_acceso(std::string ruta, std::string motivo = {});

    CodigoError codigo() const { return codigo_; }
    int numero() const { return static_cast<int>(codigo_); }
    const char* descripcion() const { return descripcion_error(codigo_); }

    Causa causa;  // what made a step overflow
    // Where the error arose: the well (1..n) and the point (1..m) or grid node being computed.
    int pozo = 0;
    int punto = 0;
    std::optional<std::pair<double, double>> nodo;
    std::string ruta;    // the file that could not be accessed
    std::string motivo;  // the system's cause, in Spanish; empty when unknown

  private:
    CodigoError codigo_;
};

}  // namespace abat
