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
using Textos = std::vector<std::string>;
using Registros = std::vector<Textos>;
const Textos un_pozo = {"P1", "0.3", "0.05", "100", "0"};

}  // namespace

// Each column from the one its header names; the columns the table has not, listed; a first row
// that names no column is a record, in the table's order.
TEST(Cabeceras, EachColumnFromTheOneItsHeaderNames) {
    using Caso = std::tuple<std::string, const Textos*, Registros, Textos>;
    // clang-format off
    for (const auto& [texto, tabla, registros, ignoradas] : {
        Caso{"Nombre; Diámetro; Gasto; X; Y\nP1; 0,3; 0,05; 100; 0", &pozos, {un_pozo}, {}},
        Caso{"Pozo, X (m), Y (m), Caudal [m3/s], Diámetro (m), Observaciones\nP1,100,0,0.05,0.3,junto al río", &pozos, {un_pozo}, {"Observaciones"}},
        Caso{"name\tdiameter\trate\teasting\tnorthing\nP1\t0.3\t0.05\t100\t0", &pozos, {un_pozo}, {}},
        Caso{"Y;Caudal;nombre;X;DIÁMETRO\n0;0,05;P1;100;0,3\n0;1;P2;2;3", &pozos, {un_pozo, {"P2", "3", "1", "2", "0"}}, {}},
        Caso{"ID\tFecha\tUTM X\tUTM Y\tQ\tDiameter\tNotas\nP1\t2024\t100\t0\t0.05\t0.3\t", &pozos, {un_pozo}, {"Fecha", "Notas"}},
        Caso{"Punto;Coordenada_X [m];Coordenada Y;Notas\nA;1;2", &puntos, {{"A", "1", "2"}}, {"Notas"}},
        Caso{"Nombre;Diámetro;Gasto;X;Y\nP1;0,3;0,05;100;0", &puntos, {{"P1", "100", "0"}}, {"Diámetro", "Gasto"}},
        Caso{"No.\tNombre\tDiámetro[m]\tGasto[m3/s]\tCoordenada x [m]\tCoordenada y [m]\n1\tP1\t0.3\t0.05\t100\t0", &pozos, {un_pozo}, {}},
        Caso{"P1\t0.3\t0.05\t100\t0\nY\t1\t2\t3\t4", &pozos, {un_pozo, {"Y", "1", "2", "3", "4"}}, {}},
        Caso{"X\t0.3\t0.05\t100\t0", &pozos, {{"X", "0.3", "0.05", "100", "0"}}, {}},
        Caso{"Este;Norte;Nombre", &puntos, {}, {}}}) {
        // clang-format on
        const Resuelto<Pegado> p = analizar_pegado(texto, *tabla);
        ASSERT_TRUE(p) << texto << ": " << p.rechazo();
        EXPECT_EQ(std::tie(p->registros, p->ignoradas), std::tie(registros, ignoradas)) << texto;
    }
}

// Under a header, a cell is named by its place in the rows; a header that lacks a column the
// table has refuses the paste, saying which and the names it may have.
TEST(Cabeceras, RefusesByTheRowsOwnColumns) {
    using Caso = std::pair<std::string, std::string>;
    const std::string cabecera = "Y;Caudal;Nombre;X;Diámetro\n";
    // clang-format off
    for (const auto& [texto, rechazo] : {
        Caso{cabecera + "0;;P1;100;0,3", "Fila 2, columna 2 (Gasto[m3/s]): falta el dato."},
        Caso{cabecera + "0;abc;P1;100;0,3", "Fila 2, columna 2 (Gasto[m3/s]): «abc» no es un valor numérico."},
        Caso{cabecera + "0;1;P1;100", "Fila 2, columna 5 (Diámetro[m]): falta el dato."},
        Caso{cabecera + "0;1;P1;100;0,3;x", "Fila 2, columna 6: «x» sobra; cada fila debe tener 5 columnas (Nombre, Diámetro[m], Gasto[m3/s], Coordenada x [m], Coordenada y [m])."},
        Caso{"Pozo;X;Y;Caudal\nP1;1;2;3", "La primera fila nombra las columnas, pero ninguna es la de «Diámetro[m]» (diámetro o diameter)."}}) {
        // clang-format on
        EXPECT_EQ(analizar_pegado(texto, pozos).rechazo(), rechazo) << texto;
    }
}

// Names as a header or a layer's field gives them: case, accents, units and blanks aside.
TEST(Cabeceras, NamesComparedAsPeopleWriteThem) {
    using Caso = std::pair<std::string, std::optional<Dato>>;
    // clang-format off
    for (const auto& [nombre, dato] : {Caso{"Diámetro[m]", Dato::diametro}, {" CAUDAL (m3/s) ", Dato::caudal},
             {"UTM_X", Dato::x}, {"coordenada  y [m]", Dato::y}, {"Punto", Dato::nombre},
             {"No.", std::nullopt}, {"Diámetros", std::nullopt}, {"x2", std::nullopt}})
        EXPECT_EQ(dato_nombrado(nombre), dato) << nombre;
    // clang-format on
}
