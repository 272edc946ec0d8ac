#include "dibujo/grafico_mapa.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSlider>
#include <QWheelEvent>
#include <cmath>

namespace abat {

GraficoMapa::GraficoMapa(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setMinimumSize(420, 320);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
}

void GraficoMapa::mostrar(std::shared_ptr<const DibujoMapa> mapa) {
    mapa_ = std::move(mapa);
    desplazamiento_ = {};
    update();
}

QSize GraficoMapa::tamanoTrazado() const {
    return area_de_trazado(QSizeF(size())).size().toSize();
}

std::optional<QPointF> GraficoMapa::lugar(QPointF punto) const {
    const QRectF area = area_de_trazado(QSizeF(size()));
    if (!mapa_ || !area.contains(punto)) return std::nullopt;
    const Caja& v = mapa_->vista;
    return QPointF(v.xmin + (punto.x() - area.left()) / area.width() * v.ancho(),
                   v.ymax - (punto.y() - area.top()) / area.height() * v.alto());
}

void GraficoMapa::paintEvent(QPaintEvent* /*evento*/) {
    QPainter p(this);
    if (!mapa_) {
        p.fillRect(rect(), Qt::white);
        return;
    }
    // While a drag lasts, the map moves with the hand; it is computed anew when it ends.
    p.translate(desplazamiento_);
    pintar_mapa(p, QSizeF(size()), *mapa_);
}

void GraficoMapa::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton && lugar(evento->position())) {
        arrastre_ = evento->position();
        setCursor(Qt::ClosedHandCursor);
    }
    QWidget::mousePressEvent(evento);
}

void GraficoMapa::mouseMoveEvent(QMouseEvent* evento) {
    if (arrastre_) {
        desplazamiento_ = evento->position() - *arrastre_;
        update();
    }
    if (const auto l = lugar(evento->position() - desplazamiento_)) {
        emit cursor(l->x(), l->y());
    } else {
        emit cursorFuera();
    }
}

void GraficoMapa::mouseReleaseEvent(QMouseEvent* evento) {
    if (arrastre_ && evento->button() == Qt::LeftButton) {
        const QPointF movido = evento->position() - *arrastre_;
        arrastre_.reset();
        setCursor(Qt::CrossCursor);
        const QSizeF area = area_de_trazado(QSizeF(size())).size();
        if (mapa_ && movido.manhattanLength() > 0) {
            emit arrastre(-movido.x() / area.width() * mapa_->vista.ancho(),
                          movido.y() / area.height() * mapa_->vista.alto());
        }
    }
    QWidget::mouseReleaseEvent(evento);
}

// A notch of the wheel forward brings the map a fifth closer about the cursor.
void GraficoMapa::wheelEvent(QWheelEvent* evento) {
    const auto l = lugar(evento->position());
    if (!l || evento->angleDelta().y() == 0) return;
    emit zoom(std::pow(0.8, evento->angleDelta().y() / 120.0), l->x(), l->y());
    evento->accept();
}

// As the wheel and a drag do: + a fifth closer about the centre, - as far back, each arrow a
// tenth of the view its way.
void GraficoMapa::keyPressEvent(QKeyEvent* evento) {
    if (!mapa_) {
        QWidget::keyPressEvent(evento);
        return;
    }
    const Caja& v = mapa_->vista;
    const double cx = (v.xmin + v.xmax) / 2;
    const double cy = (v.ymin + v.ymax) / 2;
    constexpr double cerca = 0.8;
    constexpr double tramo = 0.1;
    switch (evento->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:  // the plus of a keyboard that needs Shift for it
            emit zoom(cerca, cx, cy);
            break;
        case Qt::Key_Minus:
            emit zoom(1 / cerca, cx, cy);
            break;
        case Qt::Key_Left:
            emit arrastre(-tramo * v.ancho(), 0);
            break;
        case Qt::Key_Right:
            emit arrastre(tramo * v.ancho(), 0);
            break;
        case Qt::Key_Up:
            emit arrastre(0, tramo * v.alto());
            break;
        case Qt::Key_Down:
            emit arrastre(0, -tramo * v.alto());
            break;
        default:
            QWidget::keyPressEvent(evento);
            return;
    }
    evento->accept();
}

void GraficoMapa::leaveEvent(QEvent* evento) {
    emit cursorFuera();
    QWidget::leaveEvent(evento);
}

void GraficoMapa::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    emit redimensionado();
}

DeslizadorTiempo::DeslizadorTiempo(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setMinimumHeight(28);
}

void DeslizadorTiempo::setMarca(int posicion) {
    marca_ = posicion;
    update();
}

void DeslizadorTiempo::paintEvent(QPaintEvent* evento) {
    QSlider::paintEvent(evento);
    if (marca_ < minimum() || marca_ > maximum()) return;
    QStyleOptionSlider opcion;
    initStyleOption(&opcion);
    const QRect surco =
        style()->subControlRect(QStyle::CC_Slider, &opcion, QStyle::SC_SliderGroove, this);
    const QRect asa =
        style()->subControlRect(QStyle::CC_Slider, &opcion, QStyle::SC_SliderHandle, this);
    const int x =
        QStyle::sliderPositionFromValue(minimum(), maximum(), marca_, surco.width() - asa.width()) +
        surco.left() + asa.width() / 2;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE4, 0x1A, 0x1C));
    const double y = height() - 1;
    p.drawPolygon(QPolygonF({QPointF(x, y - 6), QPointF(x + 5, y), QPointF(x - 5, y)}));
}

}  // namespace abat
