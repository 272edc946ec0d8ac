#pragma once
// What the study's report says, from what the program holds: the entries as typed, the tables as
// their windows show them, the calculation's data and the charts of its results.

#include <QSizeF>
#include <QString>
#include <memory>
#include <vector>

#include "calc/datos_calculo.h"
#include "chart/dibujo_mapa.h"
#include "ensayo/analisis_ensayo.h"
#include "estudio/estudio.h"
#include "forms/frmCurvaTiempo.h"
#include "informe/contenido_informe.h"
#include "model/grid.h"

namespace abat {

// The most time-drawdown curves a report draws; the others are counted.
inline constexpr size_t curvas_en_informe = 12;

// A paper of the test: its method and the analysis it was fitted by.
struct PapelEnsayo {
    MetodoEnsayo metodo = MetodoEnsayo::theis;
    bool exponente = false;  // a step test's n fitted
    AnalisisEnsayo analisis;
};

struct EnsayoEnInforme {
    const Grid* medidas = nullptr;  // the readings' table as the window shows it
    std::vector<bool> excluidas;    // by reading, those left out of the fit
    PapelEnsayo elegido;            // the window's method, fitted
    PapelEnsayo otro;  // on the other paper: log-log or semi-log; a step test's other n
};

// The test's method chosen in its window, fitted, and the other paper's: Cooper-Jacob's straight
// lines beside a curve, Theis's curve beside straight lines.
EnsayoEnInforme analizar_para_informe(const EnsayoTexto& ensayo, const PeticionAjuste& peticion);

struct FuentesInforme {
    QString estudio;   // the study's file name
    QString fecha;     // the report's, as dd/mm/aaaa
    QString version;   // the program's
    Estudio entradas;  // as typed
    QString sistema;   // the coordinate system as named; empty: local coordinates
    const DatosCalculo* datos = nullptr;
    const Grid* pozos = nullptr;  // the tables as their windows show them
    const Grid* puntos = nullptr;
    const Grid* resultados = nullptr;
    Pintor plano;
    QSizeF tamanoPlano;
    std::shared_ptr<const DibujoMapa> mapa;
    QSizeF tamanoMapa;                   // its sheet's
    std::vector<ContenidoCurva> curvas;  // of the first points, at most curvas_en_informe
    std::optional<EnsayoEnInforme> ensayo;
};

ContenidoInforme contenido_informe(const FuentesInforme& f);

// The columns of the results table that go on one portrait page, the point's number and name
// included.
inline constexpr int columnas_resultados_por_pagina = 9;

// A window's table as the report shows it: its header, its rows up to the last one entered, the
// blanks around each text trimmed.
TablaInforme tabla_de(const Grid& tabla, const std::vector<int>& columnas = {});

}  // namespace abat
