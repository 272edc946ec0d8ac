#pragma once
// The command line: "abatimientos [ESTUDIO.abat]" opens the program, with the study;
// "abatimientos --informe INFORME.pdf ESTUDIO.abat" (or .odt) writes the study's report without a
// window; "--help" tells how.

#include <QString>
#include <QStringList>

namespace abat {

enum class Orden { programa, informe, ayuda, error };

struct LineaOrdenes {
    Orden orden = Orden::programa;
    QString estudio;  // the study to open; may be empty for the program
    QString informe;  // the report's file
    QString error;    // what is wrong with the use, for Orden::error
};

// The arguments after the program's name, Qt's own already taken out.
LineaOrdenes leer_linea_ordenes(const QStringList& argumentos);

// "Uso: abatimientos ..." with each use explained.
QString texto_ayuda();

// Opens the study, computes it and writes its report, telling on the standard error what
// prevents it; the process's exit status: 0 written, 1 not.
int informe_sin_ventanas(const QString& informe, const QString& estudio);

}  // namespace abat
