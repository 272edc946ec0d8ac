#include "programa.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "generar_grafico.h"
#include "motor_qtcharts.h"
#include "ruta_grafico.h"

namespace abat {

Programa::Programa(Dialogos& dialogos, std::function<void()> terminar)
    : ventanas(d, dialogos), asistente(ventanas, d, dialogos, std::move(terminar)) {
    asistente.setGraficar([this] { graficar(); });
}

// Every calculation ends with the chart, written anew and shown in the results window.
void Programa::graficar() {
    MotorQtCharts motor(ventanas.resultados->tamanoImagen());
    const DestinoGrafico destino{
        archivoGrafico.empty() ? ruta_grafico(QCoreApplication::applicationDirPath())
                               : archivoGrafico,
        [this](const std::string& archivo) { ventanas.resultados->cargarGrafico(archivo); }};
    generar_grafico(d, ventanas.noPozos->pozos(), ventanas.coordAbat->puntos(),
                    ventanas.coordAbat->tiempo(), motor, destino);
}

void cargar_traduccion_qt() {
    auto* traductor = new QTranslator(QCoreApplication::instance());
    if (traductor->load(QStringLiteral("qtbase_es"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(traductor);
    }
}

}  // namespace abat
