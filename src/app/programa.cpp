#include "programa.h"

#include <QCoreApplication>
#include <QImage>
#include <QLibraryInfo>
#include <QPainter>
#include <QTranslator>

#include "generar_grafico.h"
#include "guardar_grafico.h"
#include "informe_error.h"
#include "motor_qtcharts.h"
#include "ruta_grafico.h"

namespace abat {

Programa::Programa(Dialogos& dialogos, std::function<void()> terminar)
    : ventanas(d, dialogos),
      asistente(ventanas, d, dialogos, std::move(terminar)),
      dialogos_(dialogos) {
    asistente.setGraficar([this] { graficar(); });
    QObject::connect(ventanas.resultados, &frmResultados::guardarGraficoPedido, ventanas.resultados,
                     [this] { guardarGrafico(); });
}

// Every calculation ends with the chart, written anew and shown in the results window.
void Programa::graficar() {
    MotorQtCharts motor(ventanas.resultados->tamanoImagen());
    plano_.reset();
    const DestinoGrafico destino{archivoGrafico.empty()
                                     ? ruta_grafico(QCoreApplication::applicationDirPath())
                                     : archivoGrafico,
                                 [this, &motor](const std::string& archivo) {
                                     ventanas.resultados->cargarGrafico(archivo);
                                     plano_ = motor.ultimoDibujo();
                                     mostrarNitido();
                                 }};
    generar_grafico(d, ventanas.noPozos->pozos(), ventanas.coordAbat->puntos(),
                    ventanas.coordAbat->tiempo(), motor, destino);
}

void Programa::mostrarNitido() {
    const double densidad = ventanas.resultados->devicePixelRatioF();
    if (densidad == 1.0 || !plano_) return;
    const QSize tamano = ventanas.resultados->tamanoImagen();
    QImage imagen(tamano * densidad, QImage::Format_RGB32);
    imagen.setDevicePixelRatio(densidad);
    imagen.fill(plano_->fondoGrafico);
    QPainter pintor(&imagen);
    plano_->pintar(pintor, tamano);
    pintor.end();
    ventanas.resultados->mostrarGrafico(QPixmap::fromImage(imagen));
}

void Programa::guardarGrafico() {
    if (!plano_) return;
    const std::shared_ptr<const PlanoDibujo> plano = plano_;
    guardar_grafico(
        dialogos_, ventanas.resultados->tamanoImagen(),
        [plano](QPainter& pintor, QSizeF tamano) { plano->pintar(pintor, tamano); },
        [this](const ErrorCalculo& e) { informar_error(dialogos_, e); });
}

void cargar_traduccion_qt() {
    auto* traductor = new QTranslator(QCoreApplication::instance());
    if (traductor->load(QStringLiteral("qtbase_es"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(traductor);
    }
}

}  // namespace abat
