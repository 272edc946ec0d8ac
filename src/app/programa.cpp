#include "app/programa.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QThreadPool>
#include <QTranslator>

#include "app/informe_error.h"
#include "app/ruta_grafico.h"
#include "chart/generar_grafico.h"
#include "dibujo/motor_qtcharts.h"
#include "dibujo/pintar_grafico.h"
#include "forms/guardar_grafico.h"

namespace abat {

Programa::Programa(Dialogos& dialogos, std::function<void()> terminar,
                   const QString& carpetaRecuperacion)
    : ventanas(d, dialogos),
      asistente(ventanas, d, dialogos,
                [this, terminar = std::move(terminar)] {
                    if (estudios.terminar()) terminar();
                }),
      estudios(ventanas, asistente, dialogos, carpetaRecuperacion),
      ensayo(ventanas, estudios, dialogos),
      limitesYEtapas(ventanas, asistente, estudios, dialogos),
      acuitardo(ventanas, asistente, estudios),
      informe(ventanas, asistente, estudios, dialogos,
              [this] {
                  return std::make_pair(plano_ ? pintorPlano() : Pintor(),
                                        QSizeF(ventanas.resultados->tamanoImagen()));
              }),
      abatimientoPozos(ventanas, asistente),
      dialogos_(dialogos) {
    // The pool's threads, once started, stay until the end: one of them ending on its own timer
    // while the program ends (or while a leak checker holds every thread) is caught half gone;
    // an idle thread costs nothing.
    QThreadPool::globalInstance()->setExpiryTimeout(-1);
    asistente.setGraficar([this](const DatosCalculo& datos) { graficar(datos); });
    QObject::connect(ventanas.resultados, &frmResultados::guardarGraficoPedido, ventanas.resultados,
                     [this] { guardarGrafico(); });
}

void Programa::iniciar(const QString& estudio) {
    asistente.iniciar();
    // The main window shown at its final size first: a study opened places windows by it.
    QCoreApplication::processEvents();
    estudios.ofrecerRecuperacion();
    if (!estudio.isEmpty()) estudios.abrir(estudio);
}

// Every calculation ends with the chart, written anew and shown in the results window.
void Programa::graficar(const DatosCalculo& datos) {
    MotorQtCharts motor(ventanas.resultados->tamanoImagen());
    motor.setLimites(datos.contorno.lados);
    motor.setEstados(datos.estados_en(datos.tiempo));
    plano_.reset();
    const DestinoGrafico destino{archivoGrafico.empty()
                                     ? ruta_grafico(QCoreApplication::applicationDirPath())
                                     : archivoGrafico,
                                 [this, &motor](const std::string& archivo) {
                                     ventanas.resultados->cargarGrafico(archivo);
                                     plano_ = motor.ultimoDibujo();
                                     mostrarNitido();
                                 }};
    generar_grafico(d, datos, motor, destino);
    // The map opens over the plan chart's extent, so the two agree.
    asistente.mapa().setExtension(
        {plano_->ex.minimo, plano_->ex.maximo, plano_->ey.minimo, plano_->ey.maximo});
}

Pintor Programa::pintorPlano() const {
    return [plano = plano_](QPainter& pintor, QSizeF tamano) { plano->pintar(pintor, tamano); };
}

void Programa::mostrarNitido() {
    const double densidad = ventanas.resultados->devicePixelRatioF();
    if (densidad == 1.0 || !plano_) return;
    ventanas.resultados->mostrarGrafico(QPixmap::fromImage(imagen_de(
        pintorPlano(), ventanas.resultados->tamanoImagen(), densidad, plano_->fondoGrafico)));
}

void Programa::guardarGrafico() {
    if (!plano_) return;
    guardar_grafico(dialogos_, ventanas.resultados->tamanoImagen(), pintorPlano(),
                    ventanas.resultados->tituloGrafico());
}

void cargar_traduccion_qt() {
    auto* traductor = new QTranslator(QCoreApplication::instance());
    if (traductor->load(QStringLiteral("qtbase_es"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(traductor);
    }
}

}  // namespace abat
