#pragma once
// A well and a point, by one set of field names wherever they go: as the study file and the
// tables hold them (texts, exactly as typed) and as the calculation, the charts and the GIS files
// take them (numbers, read once). And the results of a calculation as numbers, beside the texts
// the results table shows.

#include <cstddef>
#include <string>
#include <vector>

#include "model/numeros.h"

namespace abat {

template <typename Numero, typename Caudal = Numero>
struct PozoDe {
    std::string nombre;
    Numero diametro{};  // m
    Caudal caudal{};    // pumping rate, m3/s; negative: injection
    Numero x{};         // m
    Numero y{};
    bool operator==(const PozoDe&) const = default;
};

template <typename Numero>
struct PuntoDe {
    std::string nombre;
    Numero x{};  // m
    Numero y{};
    bool operator==(const PuntoDe&) const = default;
};

// As typed into the cells and kept in the study file.
using PozoTexto = PozoDe<std::string>;
using PuntoTexto = PuntoDe<std::string>;

// As the calculation reads them: the diameter and the coordinates by the leading-number rule, the
// rate by the strict rule, which may find no number (the calculation raises that error where the
// rate is needed).
using Pozo = PozoDe<double, LecturaEstricta>;
using Punto = PuntoDe<double>;

// A boundary of the aquifer: the straight line through (x1, y1) and (x2, y2). A recharge line (a
// river or a lake at constant head) or a barrier (a fault, an impermeable edge: no flow).
enum class TipoLimite { recarga, barrera };

template <typename Tipo, typename Numero>
struct LimiteDe {
    Tipo tipo{};
    Numero x1{};  // m
    Numero y1{};
    Numero x2{};
    Numero y2{};
    bool operator==(const LimiteDe&) const = default;
};

// The type as its cell shows it.
inline constexpr const char* texto_recarga = "Recarga";
inline constexpr const char* texto_barrera = "Barrera";
// "Recarga" or "Barrera".
const char* texto_tipo(TipoLimite tipo);
// As a sentence, the study file and the GIS files name it: "recarga" or "barrera".
const char* nombre_tipo(TipoLimite tipo);

// As typed into the boundaries' table and kept in the study file: the type "Recarga" or
// "Barrera", the coordinates as typed.
using LimiteTexto = LimiteDe<std::string, std::string>;
// As the calculation takes it, every coordinate a number.
using Limite = LimiteDe<TipoLimite, double>;

// A boundary of a calculation, its arrangement admitted: the line it was given by, its row in the
// boundaries' table and the side the aquifer lies on. The images, the plan chart, the map and the
// GIS files all take it.
struct Lado {
    Limite limite;
    int linea = 0;    // its row, from 1
    double dx = 1.0;  // the unit vector along the line, from its first point
    double dy = 0.0;
    double nx = 0.0;  // the unit normal that points into the aquifer
    double ny = 1.0;

    TipoLimite tipo() const { return limite.tipo; }
    // From the line, positive on the aquifer's side, m.
    double distancia(double x, double y) const {
        return (x - limite.x1) * nx + (y - limite.y1) * ny;
    }
    // An image's rate: the well's across a barrier, its opposite across a recharge line.
    double signo() const { return limite.tipo == TipoLimite::barrera ? 1.0 : -1.0; }
};

// A well's loss through its screen and gravel pack, C·Qⁿ, as typed: C [sⁿ/m³ⁿ⁻¹] and the exponent
// n. None when both are empty.
struct PerdidasTexto {
    std::string C;
    std::string n;
    bool vacio() const { return C.empty() && n.empty(); }
    bool operator==(const PerdidasTexto&) const = default;
};

// A step of a well's pumping schedule: from `desde` days on, the well pumps `caudal` (0 stops it,
// a negative rate injects). The first step, from 0 on, is the well's own rate.
template <typename Numero, typename Caudal = Numero>
struct EtapaDe {
    Numero desde{};   // days
    Caudal caudal{};  // m3/s
    bool operator==(const EtapaDe&) const = default;
};

using EtapaTexto = EtapaDe<std::string>;
using Etapa = EtapaDe<double, LecturaEstricta>;

// A well's rate after `dias` days: its own (`propio`) from 0 on, then each step's from the day it
// begins. The one rule of the map's, the plan chart's and the GIS files' wells.
LecturaEstricta caudal_en(const LecturaEstricta& propio, const std::vector<Etapa>& etapas,
                          double dias);

// What a well does at a time, by its rate then; a rate that is not a number is left to the
// calculation to tell, and the well drawn as pumping.
enum class EstadoPozo { bombeo, parado, inyeccion };
EstadoPozo estado_de(const LecturaEstricta& caudal);

// A schedule in words, its steps as typed joined by `entre`, the well's own rate first:
// "desde el día 0: 0.05 m3/s; desde el día 1: 0 m3/s, parado".
std::string texto_etapas(const std::string& caudal, const std::vector<EtapaTexto>& etapas,
                         const std::string& entre);

// The results table as numbers: each well's share at each point as the table shows it (rounded
// to four decimals) and each point's total, the table's "Abatimiento Total[m]".
struct Resultados {
    size_t pozos = 0;
    std::vector<double> partes;   // point after point, each well's share, m
    std::vector<double> totales;  // one a point, m

    size_t puntos() const { return totales.size(); }
    double parte(size_t punto, size_t pozo) const { return partes[punto * pozos + pozo]; }
};

// How a well is named wherever its share of the drawdown is shown: "Pozo NOMBRE".
std::string nombre_pozo(const std::string& nombre);
// The heading of its share, in metres: "Pozo NOMBRE[m]".
std::string encabezado_pozo(const std::string& nombre);

}  // namespace abat
