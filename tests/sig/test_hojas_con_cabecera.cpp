// Spreadsheets whose first row names the columns in the user's words: each column read from the
// one so named, the others left out and listed.
#include <gtest/gtest.h>

#include <fstream>

#include "sig/archivos_sig.h"
#include "sig/importacion.h"

using namespace abat;
using namespace abat::prueba;

namespace {

const std::vector<std::string> encabezados = {"Nombre", "Diámetro[m]", "Gasto[m3/s]",
                                              "Coordenada x [m]", "Coordenada y [m]"};

}  // namespace

// The 17 wells of pozos.csv as an engineer keeps them: "Pozo, X (m), Y (m), Caudal [m3/s],
// Diámetro (m), Observaciones", saved by LibreOffice (soffice --headless
// --infilter="CSV:44,34,76,1"
// --convert-to xlsx); and in English, shuffled, in a sheet that GDAL wrote.
TEST(HojasConCabecera, TheSameWellsWhateverTheHeader) {
    const Importacion csv = importar_hoja(ABAT_DATOS "/pozos.csv", encabezados);
    ASSERT_EQ(csv.registros.size(), 17U) << csv.rechazo;
    const Importacion xlsx = importar_hoja(ABAT_DATOS "/pozos_cabecera.xlsx", encabezados);
    EXPECT_EQ(std::tie(xlsx.rechazo, xlsx.registros), std::tie(csv.rechazo, csv.registros));
    EXPECT_EQ(xlsx.ignoradas, std::vector<std::string>{"Observaciones"});

    const Carpeta carpeta;
    // GDAL writes the fields' names as the sheet's first row.
    std::vector<std::pair<std::string, OGRFieldType>> campos;
    for (const char* c : {"northing", "Q", "name", "easting", "diameter", "notes"})
        campos.emplace_back(c, OFTString);
    std::vector<Elemento> filas;
    for (const auto& r : csv.registros) filas.push_back({{r[4], r[2], r[0], r[3], r[1], "-"}, ""});
    escribir_capa(carpeta / "w.ods", "ODS", 0, campos, filas, "Wells");
    const Importacion ods = importar_hoja(carpeta / "w.ods", encabezados);
    EXPECT_EQ(std::tie(ods.rechazo, ods.registros), std::tie(csv.rechazo, csv.registros));
    EXPECT_EQ(ods.ignoradas, std::vector<std::string>{"notes"});
}

// A header that lacks one of the table's columns refuses the sheet, naming the row and the names
// the column may have; an empty cell under a header lacks its datum.
TEST(HojasConCabecera, WhatAHeaderLacks) {
    const Carpeta carpeta;
    for (const auto& [archivo, texto] : std::vector<std::pair<std::string, std::string>>{
             {"sin_diametro.csv", "Pozo;X;Y;Caudal\nP1;1;2;3\n"},
             {"vacia.csv", "Pozo;X;Y;Caudal;Diámetro\nP1;1;;3;0,3\n"}}) {
        std::ofstream(carpeta / archivo, std::ios::binary) << texto;
    }
    EXPECT_EQ(importar_hoja(carpeta / "sin_diametro.csv", encabezados).rechazo,
              "«sin_diametro.csv», fila 1 nombra las columnas, pero ninguna es la de "
              "«Diámetro[m]» (diámetro o diameter).\n\nNo se ha importado nada.");
    EXPECT_EQ(importar_hoja(carpeta / "vacia.csv", encabezados).rechazo,
              "«vacia.csv», fila 2, columna 3 (Coordenada y [m]): falta el dato.\n\nNo se ha "
              "importado nada.");
}
