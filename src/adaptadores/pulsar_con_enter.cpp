#include "adaptadores/pulsar_con_enter.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace abat {
namespace {

class PulsarConEnter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* tecla = static_cast<QKeyEvent*>(event);
            const bool enter = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
            if (enter && (tecla->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                static_cast<QAbstractButton*>(watched)->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void pulsar_con_enter(QAbstractButton* boton) {
    boton->installEventFilter(new PulsarConEnter(boton));
}

}  // namespace abat
