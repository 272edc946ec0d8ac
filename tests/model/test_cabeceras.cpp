// Spreadsheets as engineers keep them: a first row that names the columns in the user's words,
// in any order, with columns of their own.
#include <gtest/gtest.h>

#include "model/nombres_columnas.h"
#include "model/portapapeles.h"

using namespace abat;

namespace {

const std::vector<std::string> pozos = {"Nombre", "Diámetro[m]", "Gasto[m3/s]", "Coordenada x [m]",
                                        "Coordenada y [m]"};
const std::vector<std::string> puntos = {"Nombre", "Coordenada x [m]", "Coordenada y [m]"};
using Registros = std::vector<std::vector<std::string>>;
using Nombres = std::vector<std::string>;
const Registros un_pozo = {{"P1", "0.3", "0.05", "100", "0"}};

struct Caso {
    const char* que;
    std::string texto;
    const std::vector<std::string>& tabla;
    Registros registros;
    Nombres ignoradas;
};

}  // namespace

// Each column from the one its header names; the columns the table has not, listed; a first row
// that names no column is a record, in the table's order.
TEST(Cabeceras, EachColumnFromTheOneItsHeaderNames) {
    // clang-format off
    const std::vector<Caso> casos = {
        {"the program's words, decimal commas", "Nombre; Diámetro; Gasto; X; Y\nP1; 0,3; 0,05; 100; 0", pozos, un_pozo, {}},
        {"units, in any order, a column of the user's",
         "Pozo, X (m), Y (m), Caudal [m3/s], Diámetro (m), Observaciones\nP1,100,0,0.05,0.3,junto al río",
         pozos, un_pozo, {"Observaciones"}},
        {"English", "name\tdiameter\trate\teasting\tnorthing\nP1\t0.3\t0.05\t100\t0", pozos, un_pozo, {}},
        {"shuffled", "Y;Caudal;nombre;X;DIÁMETRO\n0;0,05;P1;100;0,3\n0;1;P2;2;3", pozos,
         {un_pozo[0], {"P2", "3", "1", "2", "0"}}, {}},
        {"more columns", "ID\tFecha\tUTM X\tUTM Y\tQ\tDiameter\tNotas\nP1\t2024\t100\t0\t0.05\t0.3\t",
         pozos, un_pozo, {"Fecha", "Notas"}},
        {"underscores, a short row", "Punto;Coordenada_X [m];Coordenada Y;Notas\nA;1;2", puntos,
         {{"A", "1", "2"}}, {"Notas"}},
        {"a wells sheet into the points", "Nombre;Diámetro;Gasto;X;Y\nP1;0,3;0,05;100;0", puntos,
         {{"P1", "100", "0"}}, {"Diámetro", "Gasto"}},
        {"a copy of the table", "No.\tNombre\tDiámetro[m]\tGasto[m3/s]\tCoordenada x [m]\tCoordenada y [m]\n1\tP1\t0.3\t0.05\t100\t0",
         pozos, un_pozo, {}},
        {"no header", "P1\t0.3\t0.05\t100\t0\nY\t1\t2\t3\t4", pozos,
         {un_pozo[0], {"Y", "1", "2", "3", "4"}}, {}},
        {"a well named as a column", "X\t0.3\t0.05\t100\t0", pozos, {{"X", "0.3", "0.05", "100", "0"}}, {}},
        {"a header alone", "Este;Norte;Nombre", puntos, {}, {}},
    };
    // clang-format on
    for (const Caso& c : casos) {
        const Pegado p = analizar_pegado(c.texto, c.tabla);
        EXPECT_FALSE(p.rechazo.has_value()) << c.que << ": " << p.rechazo->motivo;
        EXPECT_EQ(p.registros, c.registros) << c.que;
        EXPECT_EQ(p.ignoradas, c.ignoradas) << c.que;
    }
}

// Under a header, a cell is named by its place in the rows; a header that lacks a column the
// table has refuses the paste, saying which and the names it may have.
TEST(Cabeceras, RefusesByTheRowsOwnColumns) {
    using R = RechazoPegado;
    using Rechazo = std::tuple<R::Motivo, int, int, std::string, std::string>;
    const std::string cabecera = "Y;Caudal;Nombre;X;Diámetro\n";
    // clang-format off
    const std::vector<std::pair<std::string, Rechazo>> casos = {
        {cabecera + "0;;P1;100;0,3", {R::vacia, 2, 2, "", "Gasto[m3/s]"}},
        {cabecera + "0;abc;P1;100;0,3", {R::no_numerico, 2, 2, "abc", "Gasto[m3/s]"}},
        {cabecera + "0;1;P1;100", {R::vacia, 2, 5, "", "Diámetro[m]"}},
        {cabecera + "0;1;P1;100;0,3;x", {R::sobran_celdas, 2, 6, "x", ""}},
        {"Pozo;X;Y;Caudal\nP1;1;2;3", {R::sin_columna, 1, 0, "diámetro o diameter", "Diámetro[m]"}},
    };
    // clang-format on
    for (const auto& [texto, rechazo] : casos) {
        const Pegado p = analizar_pegado(texto, pozos);
        ASSERT_TRUE(p.rechazo.has_value() && p.registros.empty() && p.ignoradas.empty()) << texto;
        const R& r = *p.rechazo;
        EXPECT_EQ(std::tie(r.motivo, r.fila, r.columna, r.texto, r.encabezado), rechazo) << texto;
    }
}

// Names as a header or a layer's field gives them: case, accents, units and blanks aside.
TEST(Cabeceras, NamesComparedAsPeopleWriteThem) {
    const std::vector<std::pair<std::string, std::optional<Dato>>> casos = {
        {"Diámetro[m]", Dato::diametro},
        {" CAUDAL (m3/s) ", Dato::caudal},
        {"UTM_X", Dato::x},
        {"coordenada  y [m]", Dato::y},
        {"Punto", Dato::nombre},
        {"No.", std::nullopt},
        {"Diámetros", std::nullopt},
        {"x2", std::nullopt},
    };
    for (const auto& [nombre, dato] : casos) EXPECT_EQ(dato_nombrado(nombre), dato) << nombre;
}
