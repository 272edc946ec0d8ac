#include "forms/MDIForm1.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "adaptadores/apariencia.h"
#include "forms/menus_principales.h"

namespace abat {

namespace {

const QString titulo =
    QStringLiteral("Cálculo de Abatimientos en el Acuífero Ocasionados por una Trelvana");

// The first file a drag brings that is a study.
QString estudio_arrastrado(const QMimeData* datos) {
    for (const QUrl& url : datos->urls()) {
        if (url.isLocalFile() &&
            url.toLocalFile().endsWith(QStringLiteral(".abat"), Qt::CaseInsensitive)) {
            return url.toLocalFile();
        }
    }
    return {};
}

}  // namespace

MDIForm1::MDIForm1(QWidget* parent) : QMainWindow(parent), area_(new QMdiArea(this)) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(titulo);
    crear_menus(menuBar());
    setAcceptDrops(true);
    setWindowIcon(QIcon(dibujo(QStringLiteral(":/iconos/gota.svg"), 32)));
    area_->setObjectName(QStringLiteral("MDIClient"));
    // A window larger than the screen can still be reached in full.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area_);
    resize(708, 412);  // before it is maximised: room for the aquifer window
    connect(area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (sub != nullptr) emit activado(sub->widget());
    });
    describir_controles(this);
}

QAction* MDIForm1::accion(const char* nombre) const {
    auto* a = menuBar()->findChild<QAction*>(QString::fromLatin1(nombre));
    if (a == nullptr) qFatal("The menu bar has no command %s", nombre);
    return a;
}

QMenu* MDIForm1::menuArchivo() const {
    return menuBar()->findChild<QMenu*>(QStringLiteral("menuArchivo"));
}

QMdiSubWindow* MDIForm1::marco(const QWidget* hijo) {
    return qobject_cast<QMdiSubWindow*>(hijo->parentWidget());
}

void MDIForm1::agregar(QWidget* hijo) {
    QMdiSubWindow* sub = area_->addSubWindow(hijo, Qt::FramelessWindowHint);
    sub->setOption(QMdiSubWindow::RubberBandMove, false);
    sub->resize(hijo->size());
    sub->move(0, 0);
    sub->hide();
}

void MDIForm1::mostrar(QWidget* hijo) {
    QMdiSubWindow* sub = marco(hijo);
    sub->show();
    hijo->show();
    area_->setActiveSubWindow(sub);
}

void MDIForm1::ocultar(QWidget* hijo) {
    marco(hijo)->hide();
}

QMdiSubWindow* MDIForm1::flotante(QWidget* ventana) {
    // Above the four inner windows, which fill the area: a click on the results would bury it.
    QMdiSubWindow* sub =
        area_->addSubWindow(ventana, Qt::SubWindow | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                                         Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    sub->setWindowIcon(windowIcon());
    sub->installEventFilter(this);
    return sub;
}

void MDIForm1::colocar(QMdiSubWindow* sub, QSize tamano) {
    constexpr int paso = 30;  // pixels between cascaded windows
    flotantes_.emplace_back(sub);
    const int k = abiertas_++ % 8;
    sub->move(paso * (k + 2), paso * (k + 1));
    sub->show();
    sub->resize(tamano + sub->size() - sub->widget()->size());  // the frame around the form
    encajar(sub);
    area_->setActiveSubWindow(sub);
}

void MDIForm1::abrirVentana(QWidget* ventana) {
    const QSize tamano = ventana->size();  // as its form lays it out
    colocar(flotante(ventana), tamano);
}

void MDIForm1::agregarVentana(QWidget* ventana) {
    const QSize tamano = ventana->size();
    QMdiSubWindow* sub = flotante(ventana);
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->hide();
    guardadas_.push_back({sub, tamano});
}

void MDIForm1::mostrarVentana(QWidget* ventana) {
    QMdiSubWindow* sub = marco(ventana);
    for (Guardada& g : guardadas_) {
        if (g.sub != sub || g.colocada) continue;
        g.colocada = true;
        colocar(sub, g.tamano);
        return;
    }
    if (std::find(flotantes_.begin(), flotantes_.end(), sub) == flotantes_.end()) {
        flotantes_.emplace_back(sub);
    }
    sub->show();
    ventana->show();
    encajar(sub);
    area_->setActiveSubWindow(sub);
}

void MDIForm1::encajar(QMdiSubWindow* sub) const {
    const QSize vista = area_->viewport()->size();
    const QSize minimo = sub->minimumSizeHint();
    sub->resize(std::max(std::min(sub->width(), vista.width()), minimo.width()),
                std::max(std::min(sub->height(), vista.height()), minimo.height()));
    sub->move(std::clamp(sub->x(), 0, std::max(vista.width() - sub->width(), 0)),
              std::clamp(sub->y(), 0, std::max(vista.height() - sub->height(), 0)));
}

void MDIForm1::cerrarVentana(QWidget* ventana) {
    cerrando_ = true;
    if (QMdiSubWindow* sub = marco(ventana)) sub->close();
    cerrando_ = false;
}

void MDIForm1::apartarVentanas() {
    for (const auto& sub : flotantes_) {
        if (!sub.isNull()) sub->hide();
    }
}

void MDIForm1::reponerVentanas() {
    std::erase_if(flotantes_, [](const QPointer<QMdiSubWindow>& sub) { return sub.isNull(); });
    for (const auto& sub : flotantes_) {
        sub->show();
        encajar(sub);
    }
}

bool MDIForm1::eventFilter(QObject* vigilado, QEvent* evento) {
    // A window closed and kept no longer comes back with the results.
    if (evento->type() == QEvent::Close) {
        std::erase_if(flotantes_,
                      [vigilado](const QPointer<QMdiSubWindow>& sub) { return sub == vigilado; });
    }
    if (evento->type() == QEvent::Close && !cerrando_) {
        // After the area has activated another window: the focus is given then.
        QTimer::singleShot(0, this, &MDIForm1::ventanaCerrada);
    }
    return QMainWindow::eventFilter(vigilado, evento);
}

void MDIForm1::mostrarEstudio(const QString& ruta, bool modificado) {
    setWindowFilePath(ruta);
    setWindowTitle(ruta.isEmpty()
                       ? titulo
                       : QStringLiteral("%1[*] — %2").arg(QFileInfo(ruta).fileName(), titulo));
    modificado_ = !ruta.isEmpty() && modificado;
    setWindowModified(modificado_);
}

// Activating an inner window hands its own modified state (none) to the main window.
void MDIForm1::changeEvent(QEvent* evento) {
    QMainWindow::changeEvent(evento);
    if (evento->type() == QEvent::ModifiedChange && isWindowModified() != modificado_) {
        setWindowModified(modificado_);
    }
}

void MDIForm1::closeEvent(QCloseEvent* evento) {
    if (antesDeCerrar_ && !antesDeCerrar_()) {
        evento->ignore();
        return;
    }
    QMainWindow::closeEvent(evento);
}

void MDIForm1::dragEnterEvent(QDragEnterEvent* evento) {
    if (!estudio_arrastrado(evento->mimeData()).isEmpty()) evento->acceptProposedAction();
}

void MDIForm1::dropEvent(QDropEvent* evento) {
    const QString ruta = estudio_arrastrado(evento->mimeData());
    if (ruta.isEmpty()) return;
    evento->acceptProposedAction();
    // After the drop has ended: opening may ask a question.
    QTimer::singleShot(0, this, [this, ruta] { emit estudioSoltado(ruta); });
}

bool MDIForm1::visible(const QWidget* hijo) const {
    return marco(hijo)->isVisible();
}

int MDIForm1::Width() const {
    return frameGeometry().width();
}

double MDIForm1::centrado(const QWidget* hijo) const {
    return Width() / 2.0 - marco(hijo)->width() / 2.0;
}

void MDIForm1::setLeft(QWidget* hijo, double left) {
    QMdiSubWindow* sub = marco(hijo);
    sub->move(static_cast<int>(std::lround(left)), sub->y());
}

void MDIForm1::setTop(QWidget* hijo, int top) {
    QMdiSubWindow* sub = marco(hijo);
    sub->move(sub->x(), top);
}

QPoint MDIForm1::posicion(const QWidget* hijo) const {
    return marco(hijo)->pos();
}

}  // namespace abat
