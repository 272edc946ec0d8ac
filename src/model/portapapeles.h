#pragma once
// Tables in and out through the clipboard, as spreadsheets exchange them: tab-separated text out;
// tab-, semicolon- or comma-separated rows in.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/grid.h"
#include "model/rechazo.h"

namespace abat {

// A block of a table's cells, rows and columns inclusive, in grid coordinates.
struct Bloque {
    int fila1, col1, fila2, col2;
};

// The block to copy: the selection when it spans more than one cell, clipped to the records;
// otherwise every record with every column. Empty (fila1 > fila2) for a table without records.
Bloque bloque_a_copiar(const Grid& tabla);

// The block's header cells (row 0, trimmed), then its cells exactly as shown.
std::vector<std::vector<std::string>> celdas_a_copiar(const Grid& tabla, const Bloque& b);
// Rows of cells as tab-separated lines; a cell holding a tab, a line break or a quote is quoted
// as spreadsheets do.
std::string como_tsv(const std::vector<std::vector<std::string>>& filas);
// The block's cells so.
std::string como_texto(const Grid& tabla, const Bloque& b);

// The records a paste or a spreadsheet brings.
struct Pegado {
    std::vector<std::vector<std::string>> registros;  // the cells of columns 1.. of each record
    // The header's cells of the columns left out, as the user named them.
    std::vector<std::string> ignoradas;
};

// How a refusal names the place of a cell (from 1) and of a row among the rows read: a paste says
// "Fila 2, columna 3" and "La primera fila"; a spreadsheet, its sheet and its column letters.
struct LugarPegado {
    std::function<std::string(int fila, int columna)> celda;
    std::function<std::string(int fila)> fila;
};
const LugarPegado& lugar_en_pegado();

// How a first row is known for a header: it names the table's columns (below); or, on a table
// whose columns users head in words of their own (the readings of a pumping test), it also is one
// when no cell after its first reads as a number, its columns then in the table's order.
enum class Encabezado { repetido, propio };

// What a record's first column holds: a name, kept as it is (the wells, the points, the
// boundaries' type), or a number as the others (the steps' time).
enum class PrimeraColumna { nombre, numero };

// Reads pasted rows for a table whose record columns have these headers (name first, the rest
// numbers; every one a number under PrimeraColumna::numero). A first row whose cells name the
// table's columns (nombre_columnas.h: "Pozo", "X (m)", "Caudal [m3/s]"; or the table's own
// headers, units aside: "X1 (m)" for "x1[m]"; in any order) is a header: each column is read from
// the column so named, and the others are left out ("No.", the number column of a copy, without
// saying). A first row that names columns but not all the table's is refused. Without a header,
// the columns are the table's, in its order. Blank rows at the end are dropped. The name is kept
// as it is; every other cell must be a number under the strict rule, also with a decimal comma
// when it holds no '.', and is stored as the add command stores it. The first cell that fails
// refuses the whole paste, saying where and why ("Fila 2, columna 3 (Gasto[m3/s]): «abc» no es un
// valor numérico.").
Resuelto<Pegado> analizar_pegado(std::string_view texto,
                                 const std::vector<std::string>& encabezados,
                                 Encabezado encabezado = Encabezado::repetido,
                                 PrimeraColumna primera = PrimeraColumna::nombre);
// Pasted text split into rows of cells: its separator found, quotes read as spreadsheets write
// them.
std::vector<std::vector<std::string>> filas_de_texto(std::string_view texto);
// The same rules over rows of cells already split, as a spreadsheet file holds them; a refusal
// names the row and column among them (from 1) as `lugar` says.
Resuelto<Pegado> analizar_filas(std::vector<std::vector<std::string>> filas,
                                const std::vector<std::string>& encabezados,
                                Encabezado encabezado = Encabezado::repetido,
                                PrimeraColumna primera = PrimeraColumna::nombre,
                                const LugarPegado& lugar = lugar_en_pegado());
// A cell read as a number under those rules, written as the add command stores it; none when it
// is not one.
std::optional<std::string> numero_de_celda(const std::string& celda);

// The headers of a table's columns 1 to Cols - 1, trimmed.
std::vector<std::string> encabezados_de(const Grid& tabla);

}  // namespace abat
