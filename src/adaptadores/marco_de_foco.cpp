#include "adaptadores/marco_de_foco.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace abat {
namespace {

class MarcoDeFoco final : public QWidget {
  public:
    explicit MarcoDeFoco(QWidget* control) : QWidget(control) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(control->rect());
        setVisible(control->hasFocus());
        control->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* /*vigilado*/, QEvent* evento) override {
        switch (evento->type()) {
            case QEvent::Resize:
                setGeometry(parentWidget()->rect());
                break;
            case QEvent::FocusIn:
                raise();
                show();
                break;
            case QEvent::FocusOut:
                hide();
                break;
            default:
                break;
        }
        return false;
    }

    void paintEvent(QPaintEvent* /*evento*/) override {
        QPainter p(this);
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

}  // namespace

void marcar_foco(QWidget* control) {
    new MarcoDeFoco(control);
}

}  // namespace abat
