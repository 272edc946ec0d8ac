#include "app/mapa.h"

#include <QLayout>
#include <QtConcurrent>

#include "adaptadores/cursor_espera.h"
#include "app/informe_error.h"
#include "calc/abatimiento.h"
#include "chart/composicion_mapa.h"
#include "chart/vista_mapa.h"
#include "dibujo/texto_numero.h"
#include "forms/menu_tabla.h"

namespace abat {

struct Mapa::Motor {
    explicit Motor(std::shared_ptr<const DatosCalculo> d)
        : datos(std::move(d)), campo(*datos), marcas(marcas_de(*datos, datos->tiempo)) {}
    std::shared_ptr<const DatosCalculo> datos;
    CampoPozos campo;
    std::shared_ptr<const MarcasMapa> marcas;  // at the pumping time
    // At `tiempo`: the wells of a schedule may have stopped or started since.
    std::shared_ptr<const MarcasMapa> marcasEn(double tiempo) const {
        return datos->etapas.empty() ? marcas : marcas_de(*datos, tiempo);
    }
};

Mapa::Mapa(MDIForm1& principal, Dialogos& dialogos) : principal_(principal), dialogos_(dialogos) {
    connect(&calculo_, &QFutureWatcher<Hecho>::finished, this, &Mapa::recibir);
}

Mapa::~Mapa() {
    calculo_.waitForFinished();
}

// A map being computed keeps the data it was asked for; its result is not shown if another was
// asked for meanwhile.
void Mapa::nuevoCalculo(std::shared_ptr<const DatosCalculo> datos) {
    datos_ = std::move(datos);
    motor_.reset();
}

// The engine over the data is built when a map is first asked for: a calculation whose map is
// never opened keeps no copy of its wells for it.
std::shared_ptr<const Mapa::Motor> Mapa::motor() {
    if (!motor_) motor_ = std::make_shared<const Motor>(datos_);
    return motor_;
}

void Mapa::setSistema(std::string sistema) {
    sistema_ = std::move(sistema);
    if (!ventana_.isNull()) pedir();
}

// An automatic interval keeps the one of the map shown while it fits: the same map a pixel
// larger, or saved at twice its resolution, has the same isolines.
Mapa::Peticion Mapa::peticion(std::optional<QSize> pixeles) const {
    const double intervalo = ventana_->intervalo();
    return {ventana_->tiempo(),
            ventana_->vista(),
            intervalo,
            intervalo > 0 ? 0.0 : automatico_,
            pixeles.value_or(ventana_->pixeles()),
            sistema_};
}

Mapa::Hecho Mapa::componerAqui(const Motor& motor, const Peticion& p) {
    const CursorDeEspera espera;
    return componer(motor, p);
}

Mapa::Hecho Mapa::componer(const Motor& motor, const Peticion& p) {
    Hecho h;
    h.automatico = !(p.intervalo > 0);
    try {
        DibujoMapa d =
            componer_mapa(motor.campo, motor.marcasEn(p.tiempo), p.tiempo, p.vista,
                          p.pixeles.width(), p.pixeles.height(), p.intervalo, p.anterior);
        d.sistema = p.sistema;
        h.mapa = std::make_shared<const DibujoMapa>(std::move(d));
    } catch (const ErrorCalculo& e) {
        h.error = e;
    } catch (const std::bad_alloc&) {  // a grid too fine for the memory left
        h.error = ErrorCalculo(CodigoError::desbordamiento);
    }
    return h;
}

void Mapa::mostrar(const Hecho& hecho) {
    if (hecho.automatico) automatico_ = hecho.mapa->niveles.intervalo;
    ventana_->mostrar(hecho.mapa);
}

void Mapa::preparar() {
    ventana_->prepararTiempo(datos_->tiempo);
    ventana_->prepararVista(extension());
}

// The plan chart's extent, widened to hold the boundaries.
Caja Mapa::extension() {
    return con_limites(extension_, motor()->marcas->limites);
}

// Computed before the window shows, at the size its layout gives it: a map that cannot be
// computed opens nothing.
void Mapa::abrir() {
    if (!datos_) return;
    if (!ventana_.isNull()) {
        principal_.mostrar(ventana_);
        return;
    }
    auto ventana = std::make_unique<frmMapa>(dialogos_);
    ventana_ = ventana.get();
    ++ventanas_;
    enCurso_ = pendiente_ = false;
    automatico_ = 0;  // a new window's interval is chosen for its values
    preparar();
    ventana->layout()->activate();  // the map's size as the window shows it
    const Hecho hecho = componerAqui(*motor(), peticion());
    if (hecho.error) {
        ventana.reset();
        informar_error(dialogos_, *hecho.error);
        return;
    }
    connect(ventana_, &frmMapa::mapaPedido, this, &Mapa::pedir);
    connect(ventana_, &frmMapa::cursorMovido, this, &Mapa::mostrarCursor);
    if (exportar_) {
        ventana_->agregarAccion(
            accion(ventana_, QStringLiteral("Exportar a SIG…"), "accionExportarSig", exportar_));
    }
    ventana_->setRecomponer(
        [this](QSize pixeles) { return componerAqui(*motor(), peticion(pixeles)).mapa; });
    mostrar(hecho);
    principal_.abrirVentana(ventana.release());
    emit dibujado();
}

// Computed here, at the time and view the window shows: what it shows may be of another time
// still, or of a map that failed.
Mapa::Peticion Mapa::inicial(QSize pixeles) {
    return Peticion{datos_->tiempo,
                    a_igual_escala(extension(), pixeles.width(), pixeles.height()),
                    0,
                    0,
                    pixeles,
                    sistema_};
}

std::shared_ptr<const DibujoMapa> Mapa::paraExportar() {
    Hecho hecho = componerAqui(*motor(), !ventana_.isNull() ? peticion() : inicial());
    if (hecho.error) throw *hecho.error;
    return hecho.mapa;
}

std::shared_ptr<const DibujoMapa> Mapa::alTiempoDeBombeo(QSize pixeles) {
    Hecho hecho = componerAqui(*motor(), inicial(pixeles));
    if (hecho.error) throw *hecho.error;
    return hecho.mapa;
}

void Mapa::seguirResultados() {
    if (ventana_.isNull()) return;
    preparar();
    pedir();
}

void Mapa::cerrar() {
    enCurso_ = pendiente_ = false;
    ++ventanas_;
    if (!ventana_.isNull()) principal_.cerrarVentana(ventana_);
    ventana_ = nullptr;  // deleted later; nothing is computed for it meanwhile
}

// One map at a time on the other threads; the last one asked for is the next.
void Mapa::pedir() {
    if (ventana_.isNull() || !datos_) {
        enCurso_ = pendiente_ = false;
        return;
    }
    enCurso_ = true;
    if (calculo_.isRunning()) {
        pendiente_ = true;
        return;
    }
    pendiente_ = false;
    calculando_para_ = ventanas_;
    calculo_.setFuture(
        QtConcurrent::run([motor = motor(), p = peticion()] { return componer(*motor, p); }));
}

void Mapa::recibir() {
    if (pendiente_) {
        pedir();
        return;
    }
    if (calculando_para_ != ventanas_) return;  // the window it was for is gone
    enCurso_ = false;
    const Hecho hecho = calculo_.result();
    if (ventana_.isNull()) return;
    if (hecho.error) {  // no map of another time stands under the slider's
        ventana_->mostrar(nullptr);
        ventana_->mostrarLinea(
            QStringLiteral("No se puede dibujar el mapa a %1: %2")
                .arg(texto_dias(ventana_->tiempo()), texto_error(*hecho.error).simplified()));
        return;
    }
    mostrar(hecho);
    emit dibujado();
}

// Not const: the event loop it runs changes the map.
void Mapa::esperar() {  // NOLINT(readability-make-member-function-const)
    while (enCurso_) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

// Computed exactly at the cursor's place, at the time shown.
void Mapa::mostrarCursor(double x, double y) {
    if (ventana_.isNull() || !datos_) return;
    QString linea = QStringLiteral("X = %1 m, Y = %2 m: ").arg(x, 0, 'f', 1).arg(y, 0, 'f', 1);
    if (!datos_->contorno.contiene(x, y)) {
        ventana_->mostrarLinea(linea + QStringLiteral("fuera del acuífero"));
        return;
    }
    try {
        linea += QStringLiteral("%1 m").arg(abatimiento_punto(*datos_, ventana_->tiempo(), x, y), 0,
                                            'f', 4);
    } catch (const ErrorCalculo& e) {
        linea += texto_error(e).simplified();
    }
    ventana_->mostrarLinea(linea);
}

}  // namespace abat
