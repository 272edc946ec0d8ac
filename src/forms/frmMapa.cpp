#include "forms/frmMapa.h"

#include <QLineEdit>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "adaptadores/apariencia.h"
#include "adaptadores/marco_de_foco.h"
#include "chart/vista_mapa.h"
#include "dibujo/lamina_mapa.h"
#include "dibujo/pintar_grafico.h"
#include "dibujo/texto_numero.h"
#include "forms/filtro_caracteres.h"
#include "forms/guardar_grafico.h"
#include "forms/menu_tabla.h"
#include "model/numeros.h"
#include "ui_frmMapa.h"

namespace abat {
namespace {

// The map's letter as the screen shows it, in pixels: a picture, an SVG and a PDF, whatever their
// resolution, set its texts as the window does.
QFont letra_en_pixeles(const QWidget* control) {
    QFont f = control->font();
    f.setPixelSize(QFontInfo(f).pixelSize());
    return f;
}

}  // namespace

std::vector<std::vector<std::string>> tabla_de_rejilla(const Rejilla& r) {
    std::vector<std::vector<std::string>> filas;
    filas.reserve(static_cast<size_t>(r.ny) + 1);
    auto& cabecera = filas.emplace_back(1);
    for (int i = 0; i < r.nx; ++i) cabecera.push_back(number_to_text(r.x(i)));
    for (int j = r.ny - 1; j >= 0; --j) {
        auto& fila = filas.emplace_back();
        fila.reserve(static_cast<size_t>(r.nx) + 1);
        fila.push_back(number_to_text(r.y(j)));
        for (int i = 0; i < r.nx; ++i) {
            const double v = r.valor(i, j);
            fila.push_back(std::isnan(v) ? std::string() : number_to_text(v));
        }
    }
    return filas;
}

frmMapa::frmMapa(Dialogos& dialogos, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::frmMapa>()), dialogos_(dialogos) {
    ui_->setupUi(this);
    fuente_de_ventana(this, 8.25);
    reservarLinea();
    new FiltroCaracteres(ui_->txtTiempoMapa, admitido_en_tiempo, ui_->txtIntervalo);
    new FiltroCaracteres(ui_->txtIntervalo, admitido_en_tiempo, ui_->graficoMapa);
    connect(ui_->sldTiempo, &QSlider::valueChanged, this, &frmMapa::alMoverDeslizador);
    connect(ui_->txtTiempoMapa, &QLineEdit::editingFinished, this, &frmMapa::alEscribirTiempo);
    connect(ui_->txtIntervalo, &QLineEdit::editingFinished, this, &frmMapa::alEscribirIntervalo);
    GraficoMapa* g = ui_->graficoMapa;
    marcar_foco(g);  // where + and - zoom and the arrows pan
    connect(g, &GraficoMapa::cursor, this, &frmMapa::cursorMovido);
    connect(g, &GraficoMapa::cursorFuera, this, [this] { mostrarLinea({}); });
    connect(g, &GraficoMapa::zoom, this, [this](double factor, double x, double y) {
        cambiarVista(acercar(vista(), factor, x, y));
    });
    connect(g, &GraficoMapa::arrastre, this,
            [this](double dx, double dy) { cambiarVista(desplazar(vista(), dx, dy)); });
    auto* espera = new QTimer(this);  // a new size once the user stops resizing
    espera->setSingleShot(true);
    espera->setInterval(120);
    connect(g, &GraficoMapa::redimensionado, espera, qOverload<>(&QTimer::start));
    connect(espera, &QTimer::timeout, this, &frmMapa::mapaPedido);
    g->addAction(
        accion(g, QStringLiteral("Copiar datos"), "accionCopiarDatos", [this] { copiarDatos(); }));
    g->addAction(accion(g, QStringLiteral("Vista inicial"), "accionVistaInicial",
                        [this] { cambiarVista(inicial_); }));
    menu_de_grafico(
        g, [this] { return copiaDelMapa(); }, [this] { guardarImagen(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, [this] { parentWidget()->close(); });
    describir_controles(this);
}

// A box that has the focus tells editingFinished as the widgets go, after this window's own part
// has gone: nothing of theirs reaches it from here on.
frmMapa::~frmMapa() {
    for (QObject* hijo : findChildren<QObject*>()) hijo->disconnect(this);
}

void frmMapa::agregarAccion(QAction* accion) {
    ui_->graficoMapa->addAction(accion);
}

void frmMapa::prepararTiempo(double bombeo) {
    tiempos_ = tiempos_curva(bombeo);
    const QSignalBlocker bloqueo(ui_->sldTiempo);
    ui_->sldTiempo->setRange(0, static_cast<int>(tiempos_.dias.size()) - 1);
    ui_->sldTiempo->setValue(static_cast<int>(tiempos_.bombeo));
    ui_->sldTiempo->setMarca(static_cast<int>(tiempos_.bombeo));
    ui_->sldTiempo->setToolTip(
        QStringLiteral("▲ el tiempo de explotación: %1 días").arg(texto_numero(bombeo)));
    tiempo_ = bombeo;
    ui_->txtTiempoMapa->setText(texto_numero(bombeo));
}

void frmMapa::prepararVista(const Caja& inicial) {
    inicial_ = vista_ = inicial;
}

void frmMapa::setRecomponer(std::function<std::shared_ptr<const DibujoMapa>(QSize)> recomponer) {
    recomponer_ = std::move(recomponer);
}

Caja frmMapa::vista() const {
    const QSize p = pixeles();
    return a_igual_escala(vista_, p.width(), p.height());
}

QSize frmMapa::pixeles() const {
    return ui_->graficoMapa->tamanoTrazado();
}

void frmMapa::mostrar(std::shared_ptr<const DibujoMapa> mapa) {
    ui_->txtIntervalo->setPlaceholderText(
        !mapa ? QString()
        : mapa->niveles.intervalo > 0
            ? QStringLiteral("automático: %1").arg(texto_numero(mapa->niveles.intervalo))
            : QStringLiteral("sin isolíneas"));
    ui_->graficoMapa->mostrar(std::move(mapa));
}

void frmMapa::mostrarLinea(const QString& texto) {
    ui_->lblCursor->setText(texto);
    ui_->lblCursor->setToolTip(texto);  // all of it, where the window cuts it
}

// The line under the map keeps its height whether it says something or not, and its text never
// widens the window: the map keeps its size, and so its interval, when the cursor enters it.
void frmMapa::reservarLinea() {
    QLabel* linea = ui_->lblCursor;
    linea->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    const QString antes = linea->text();
    linea->setText(QStringLiteral("X = 0.0 m, Y = 0.0 m: 0.0000 m"));
    const int con_texto = linea->sizeHint().height();
    linea->setText(QString());
    linea->setFixedHeight(std::max(con_texto, linea->sizeHint().height()));
    linea->setText(antes);
}

void frmMapa::alMoverDeslizador(int posicion) {
    tiempo_ = tiempos_.dias.at(static_cast<size_t>(posicion));
    ui_->txtTiempoMapa->setText(texto_numero(tiempo_));
    emit mapaPedido();
}

// Any time above zero; the slider goes to the nearest of its times.
void frmMapa::alEscribirTiempo() {
    const double dias = leading_number(ui_->txtTiempoMapa->text().toStdString());
    if (!(dias > 0) || !std::isfinite(dias)) {  // the well function has no time 0
        ui_->txtTiempoMapa->setText(texto_numero(tiempo_));
        dialogos_.mensaje(QStringLiteral("El tiempo del mapa ha de ser mayor que 0 días: al "
                                         "empezar el bombeo no hay abatimiento que dibujar. "
                                         "El mapa sigue a %1.")
                              .arg(texto_dias(tiempo_)),
                          QStringLiteral("Tiempo del mapa"), Icono::advertencia);
        return;
    }
    if (dias == tiempo_) return;
    tiempo_ = dias;
    size_t cerca = 0;
    for (size_t i = 0; i < tiempos_.dias.size(); ++i) {
        if (std::fabs(std::log(tiempos_.dias[i] / dias)) <
            std::fabs(std::log(tiempos_.dias[cerca] / dias)))
            cerca = i;
    }
    const QSignalBlocker bloqueo(ui_->sldTiempo);
    ui_->sldTiempo->setValue(static_cast<int>(cerca));
    emit mapaPedido();
}

// An empty box: the interval is chosen for the values.
void frmMapa::alEscribirIntervalo() {
    const QString t = ui_->txtIntervalo->text();
    const double m = t.isEmpty() ? 0.0 : leading_number(t.toStdString());
    if (m < 0 || !std::isfinite(m) || m == intervalo_) return;
    intervalo_ = m;
    if (m == 0) ui_->txtIntervalo->clear();
    emit mapaPedido();
}

// Closer than a millimetre, or than doubles tell apart at these coordinates, or ten thousand
// times further than the chart's extent, the view stays where it is.
void frmMapa::cambiarVista(const Caja& vista) {
    const double lado = std::min(vista.ancho(), vista.alto());
    const double lejos = std::max({std::fabs(vista.xmin), std::fabs(vista.xmax),
                                   std::fabs(vista.ymin), std::fabs(vista.ymax)});
    const double mayor = 1e4 * std::max({inicial_.ancho(), inicial_.alto(), 1.0});
    if (!std::isfinite(lejos) || !(lado >= std::max(1e-3, 1e-9 * lejos)) ||
        std::max(vista.ancho(), vista.alto()) > mayor) {
        return;
    }
    vista_ = vista;
    emit mapaPedido();
}

void frmMapa::copiarDatos() const {
    if (const auto& m = ui_->graficoMapa->mapa()) copiar_celdas(tabla_de_rejilla(m->rejilla));
}

// The map as shown, on a sheet for a report, at the screen's density.
QPixmap frmMapa::copiaDelMapa() const {
    const std::shared_ptr<const DibujoMapa> m = ui_->graficoMapa->mapa();
    if (!m) return {};
    const QString titulo = windowTitle();
    const QFont letra = letra_en_pixeles(ui_->graficoMapa);
    return QPixmap::fromImage(imagen_de(
        [&](QPainter& pintor, QSizeF tamano) {
            pintor.setFont(letra);
            pintar_lamina(pintor, tamano, *m, titulo);
        },
        tamano_lamina(QSizeF(ui_->graficoMapa->size())).toSize(),
        ui_->graficoMapa->devicePixelRatioF()));
}

// On a sheet for a report; its map, of the view shown, is computed again at the file's own
// resolution.
void frmMapa::guardarImagen() {
    const auto actual = ui_->graficoMapa->mapa();
    if (!actual) return;
    guardar_grafico(
        dialogos_, tamano_lamina(QSizeF(ui_->graficoMapa->size())).toSize(),
        [this, actual](QPainter& pintor, QSizeF tamano) {
            const double densidad = std::max(1.0, pintor.device()->devicePixelRatioF());
            const QSizeF trazado = area_de_trazado(zona_del_mapa(tamano).size()).size();
            std::shared_ptr<const DibujoMapa> mapa = actual;
            if (recomponer_) mapa = recomponer_((trazado * densidad).toSize());
            if (mapa && mapa != actual) {  // in the colours shown, whichever bands it reaches
                auto copia = std::make_shared<DibujoMapa>(*mapa);
                copia->rampa = actual->rampa.value_or(std::pair(actual->minimo, actual->maximo));
                mapa = std::move(copia);
            }
            pintor.setFont(letra_en_pixeles(ui_->graficoMapa));
            pintar_lamina(pintor, tamano, mapa ? *mapa : *actual, windowTitle());
        },
        windowTitle());
}

}  // namespace abat
