#pragma once
// Adding and removing the records of the wells and points tables through input dialogs. One
// procedure serves both tables; what differs between them is their texts.

#include <QString>
#include <functional>
#include <vector>

#include "adaptadores/dialogos.h"
#include "model/grid.h"
#include "model/portapapeles.h"

namespace abat {

struct PreguntaNumerica {
    int columna;
    QString prompt;
    QString textoError;
    QString tituloError;
};

struct TextosTabla {
    QString tituloRegistro;  // "Pozo " or "Punto ", followed by the record's number
    QString promptNombre;
    std::vector<PreguntaNumerica> preguntas;  // in the order they are asked
    QString promptEliminar;
    QString tituloEliminar;
    QString tituloNoNumerico;  // the number to remove is not a number
    QString noExiste;          // "El pozo " ... followed by the number and " no existe"
    QString tituloNoExiste;
    QString confirmacion;        // "¿Está seguro que desea eliminar el pozo " ... number, "?"
    QString tituloConfirmacion;  // "Eliminando pozo " ... number
    QString tituloPegar;         // "Pegar pozos"
    QString tituloImportar;      // "Importar pozos"
    QString registro;            // "pozo", as a count names one: "1 pozo", "3 pozos"
};

// "1 pozo", "3 pozos".
QString cuantos(size_t n, const TextosTabla& textos);
// What a header's columns left out tells: "No se ha leído la columna «Observaciones»: la tabla
// no la tiene."; empty when none was.
QString columnas_no_leidas(const std::vector<std::string>& ignoradas);

const TextosTabla& textos_pozos();
const TextosTabla& textos_puntos();

// Appends a record: its number, then its name and each value asked in turn, every answer written
// into its cell the moment it is accepted. A value is asked again until it reads as a number.
void agregar_registro(Grid& tabla, Dialogos& dialogos, const TextosTabla& textos);

// Asks for a record's number (rounded half to even), checks it and asks for confirmation; then
// removes the row and calls `renumerar`. Does nothing on a table without records. Gives the
// number of the record removed, 0 when none was.
int quitar_registro(Grid& tabla, Dialogos& dialogos, const TextosTabla& textos,
                    const std::function<void()>& renumerar);

// Appends records after the last one, numbered on: the cells of columns 1.. of each.
void agregar_registros(Grid& tabla, const std::vector<std::vector<std::string>>& registros);

// Appends the records of pasted rows after the last one, numbered on, each cell as the add command
// would have stored it. A row that the add command would refuse pastes nothing: a warning names
// its row, column and text, and the table stays as it was. Columns a header names that the table
// has not are left out, and the user is told which.
// `encabezado`: how a first row is known for a header; `primera`: what a record's first column
// holds.
void pegar_registros(Grid& tabla, Dialogos& dialogos, const QString& texto,
                     const TextosTabla& textos, Encabezado encabezado = Encabezado::repetido,
                     PrimeraColumna primera = PrimeraColumna::nombre);

}  // namespace abat
