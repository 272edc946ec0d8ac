#pragma once
// The worksheet that a chart takes its series from: cells "A1" ... "R531" holding a text or a
// number, or nothing.

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace abat {

using ValorCelda = std::variant<std::monostate, std::string, double>;

// A one-column range such as "F1:F25": its column letter and first and last rows.
struct Rango {
    char columna;
    int desde;
    int hasta;
};

// Reads "A1:B7" style addresses; throws std::invalid_argument on anything else.
std::pair<char, int> celda(const std::string& direccion);
Rango rango(const std::string& direccion);
// "E25" for column E, row 25.
std::string direccion_celda(char columna, int fila);

class Hoja {
  public:
    void set(const std::string& direccion, ValorCelda valor);
    const ValorCelda& get(const std::string& direccion) const;
    bool vacia(const std::string& direccion) const;

    // The numbers of a one-column range, row by row: text reads by the leading-number rule, as
    // the calculation reads the same cells; a cell never written gives no number.
    std::vector<std::optional<double>> numeros(const Rango& r) const;

  private:
    const ValorCelda& en(char columna, int fila) const;

    std::array<std::vector<ValorCelda>, 26> columnas_;  // A to Z, each from row 1
};

}  // namespace abat
