// Spreadsheets as engineers keep them: a first row that names the columns in the user's words,
// in any order, with columns of their own.
#include <gtest/gtest.h>

#include "model/nombres_columnas.h"
#include "model/portapapeles.h"
#include "support/casos.h"

using namespace abat;
using namespace abat::prueba;

namespace {

const std::vector<std::string> pozos = {"Nombre", "Diámetro[m]", "Gasto[m3/s]", "Coordenada x [m]",
                                        "Coordenada y [m]"};
const std::vector<std::string> puntos = {"Nombre", "Coordenada x [m]", "Coordenada y [m]"};
using Textos = std::vector<std::string>;
using Registros = std::vector<Textos>;
const Textos un_pozo = {"P1", "0.3", "0.05", "100", "0"};
// What is pasted into which table: the records read and the columns left out, or the refusal.
using Pegados = Tabla<std::string, const Textos*, Registros, Textos, std::string>;
using Nombres = Tabla<std::string, std::optional<Dato>>;

}  // namespace

// Each column from the one its header names; the columns the table has not, listed; a first row
// that names no column is a record, in the table's order. Under a header, a cell is named by its
// place in the rows; a header that lacks a column the table has refuses the paste, saying which
// and the names it may have.
const std::string desordenada = "Y;Caudal;Nombre;X;Diámetro\n";
// clang-format off
INSTANTIATE_TEST_SUITE_P(Cabeceras, Pegados, testing::ValuesIn(std::vector<Pegados::ParamType>{
    {"en_espanol_con_coma_decimal", "Nombre; Diámetro; Gasto; X; Y\nP1; 0,3; 0,05; 100; 0", &pozos, {un_pozo}, {}, ""},
    {"con_unidades_y_una_columna_propia", "Pozo, X (m), Y (m), Caudal [m3/s], Diámetro (m), Observaciones\nP1,100,0,0.05,0.3,junto al río", &pozos, {un_pozo}, {"Observaciones"}, ""},
    {"en_ingles", "name\tdiameter\trate\teasting\tnorthing\nP1\t0.3\t0.05\t100\t0", &pozos, {un_pozo}, {}, ""},
    {"en_otro_orden", desordenada + "0;0,05;P1;100;0,3\n0;1;P2;2;3", &pozos, {un_pozo, {"P2", "3", "1", "2", "0"}}, {}, ""},
    {"con_columnas_propias_y_una_vacia", "ID\tFecha\tUTM X\tUTM Y\tQ\tDiameter\tNotas\nP1\t2024\t100\t0\t0.05\t0.3\t", &pozos, {un_pozo}, {"Fecha", "Notas"}, ""},
    {"de_puntos", "Punto;Coordenada_X [m];Coordenada Y;Notas\nA;1;2", &puntos, {{"A", "1", "2"}}, {"Notas"}, ""},
    {"de_pozos_en_los_puntos", "Nombre;Diámetro;Gasto;X;Y\nP1;0,3;0,05;100;0", &puntos, {{"P1", "100", "0"}}, {"Diámetro", "Gasto"}, ""},
    {"copia_con_su_numero", "No.\tNombre\tDiámetro[m]\tGasto[m3/s]\tCoordenada x [m]\tCoordenada y [m]\n1\tP1\t0.3\t0.05\t100\t0", &pozos, {un_pozo}, {}, ""},
    {"sin_cabecera_y_un_pozo_llamado_y", "P1\t0.3\t0.05\t100\t0\nY\t1\t2\t3\t4", &pozos, {un_pozo, {"Y", "1", "2", "3", "4"}}, {}, ""},
    {"un_pozo_llamado_x", "X\t0.3\t0.05\t100\t0", &pozos, {{"X", "0.3", "0.05", "100", "0"}}, {}, ""},
    {"solo_la_cabecera", "Este;Norte;Nombre", &puntos, {}, {}, ""},
    {"celda_vacia", desordenada + "0;;P1;100;0,3", &pozos, {}, {}, "Fila 2, columna 2 (Gasto[m3/s]): falta el dato."},
    {"celda_con_letras", desordenada + "0;abc;P1;100;0,3", &pozos, {}, {}, "Fila 2, columna 2 (Gasto[m3/s]): «abc» no es un valor numérico."},
    {"falta_la_ultima_columna", desordenada + "0;1;P1;100", &pozos, {}, {}, "Fila 2, columna 5 (Diámetro[m]): falta el dato."},
    {"columna_de_mas", desordenada + "0;1;P1;100;0,3;x", &pozos, {}, {}, "Fila 2, columna 6: «x» sobra; cada fila debe tener 5 columnas (Nombre, Diámetro[m], Gasto[m3/s], Coordenada x [m], Coordenada y [m])."},
    {"sin_el_diametro", "Pozo;X;Y;Caudal\nP1;1;2;3", &pozos, {}, {}, "La primera fila nombra las columnas, pero ninguna es la de «Diámetro[m]» (diámetro o diameter)."}}), por_nombre);
// clang-format on

// Names as a header or a layer's field gives them: case, accents, units and blanks aside.
TEST_P(Nombres, NamesComparedAsPeopleWriteThem) {
    EXPECT_EQ(dato_nombrado(std::get<1>(GetParam())), std::get<2>(GetParam()));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cabeceras, Nombres, testing::ValuesIn(std::vector<Nombres::ParamType>{{"con_acento_y_unidad", "Diámetro[m]", Dato::diametro},
    {"mayusculas_y_blancos", " CAUDAL (m3/s) ", Dato::caudal}, {"utm_x", "UTM_X", Dato::x}, {"dos_blancos", "coordenada  y [m]", Dato::y},
    {"punto", "Punto", Dato::nombre}, {"numero", "No.", std::nullopt}, {"plural", "Diámetros", std::nullopt},
    {"x_y_una_cifra", "x2", std::nullopt}}), por_nombre);
// clang-format on
