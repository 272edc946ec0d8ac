#include "app/linea_ordenes.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include "adaptadores/dialogos_consola.h"
#include "app/programa.h"
#include "forms/texto_error.h"

namespace abat {

namespace {

const QString opcion_informe = QStringLiteral("--informe");

bool es_informe(const QString& ruta) {
    const QString e = QFileInfo(ruta).suffix().toLower();
    return e == QLatin1String("pdf") || e == QLatin1String("odt");
}

LineaOrdenes error(const QString& texto) {
    return {Orden::error, {}, {}, texto};
}

}  // namespace

LineaOrdenes leer_linea_ordenes(const QStringList& a) {
    if (a.contains(QStringLiteral("--help")) || a.contains(QStringLiteral("-h"))) {
        return {Orden::ayuda, {}, {}, {}};
    }
    if (!a.isEmpty() && a.front() == opcion_informe) {
        if (a.size() != 3) {
            return error(
                QStringLiteral("«--informe» necesita el archivo del informe y el del "
                               "estudio: abatimientos --informe INFORME.pdf ESTUDIO.abat"));
        }
        if (!es_informe(a.at(1))) {
            return error(
                QStringLiteral("El informe «%1» ha de terminar en .pdf o en .odt.").arg(a.at(1)));
        }
        return {Orden::informe, a.at(2), a.at(1), {}};
    }
    for (const QString& x : a) {
        if (x.startsWith(QLatin1Char('-'))) {
            return error(QStringLiteral("Opción desconocida: «%1».").arg(x));
        }
    }
    if (a.size() > 1) return error(QStringLiteral("Se abre un estudio cada vez."));
    return {Orden::programa, a.isEmpty() ? QString() : a.front(), {}, {}};
}

QString texto_ayuda() {
    return QStringLiteral(
        "Uso: abatimientos [ESTUDIO.abat]\n"
        "     abatimientos --informe INFORME.pdf ESTUDIO.abat\n"
        "     abatimientos --informe INFORME.odt ESTUDIO.abat\n"
        "\n"
        "Calcula el abatimiento que un conjunto de pozos de bombeo causa en un acuífero.\n"
        "\n"
        "  ESTUDIO.abat          abre el programa con el estudio.\n"
        "  --informe INFORME ESTUDIO\n"
        "                        calcula el estudio y escribe su informe, en PDF o en\n"
        "                        OpenDocument según la extensión, sin mostrar ventanas;\n"
        "                        termina con 0 si lo ha escrito y con 1 si no, diciendo por qué.\n"
        "  --help                muestra esta ayuda.\n");
}

int informe_sin_ventanas(const QString& informe, const QString& estudio) {
    DialogosConsola dialogos;
    QTemporaryDir temporal;  // the recovery copy and the chart's picture: no trace of the run
    if (!temporal.isValid()) {
        escribir_en_error(QStringLiteral("abatimientos: no se puede crear una carpeta temporal."));
        return 1;
    }
    Programa programa(
        dialogos, [] {}, temporal.path());
    programa.archivoGrafico = (temporal.path() + QStringLiteral("/grafico.gif")).toStdString();
    if (!QFileInfo::exists(estudio)) {
        escribir_en_error(QStringLiteral("abatimientos: no existe el estudio «%1».").arg(estudio));
        return 1;
    }
    programa.estudios.abrir(estudio);
    if (const QString motivo = programa.informe.sinInforme(); !motivo.isEmpty()) {
        escribir_en_error(QStringLiteral("abatimientos: «%1»: %2").arg(estudio, motivo));
        return 1;
    }
    try {
        programa.informe.escribir(informe);
    } catch (const ErrorCalculo& e) {
        escribir_en_error(QStringLiteral("abatimientos: ") +
                          texto_error(e, QStringLiteral("al escribir el informe")));
        return 1;
    }
    return 0;
}

}  // namespace abat
