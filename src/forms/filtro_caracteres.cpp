#include "filtro_caracteres.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "teclado.h"

namespace abat {
namespace {
constexpr char16_t retroceso = 8;
constexpr char16_t enter = 13;
bool digito(char16_t c) {
    return c >= u'0' && c <= u'9';
}
}  // namespace

bool admitido_en_acuifero(char16_t c) {
    return digito(c) || c == u'+' || c == u'-' || c == u'.' || c == u'E' || c == u'e' ||
           c == retroceso;
}

bool admitido_en_tiempo(char16_t c) {
    return digito(c) || c == u'.' || c == retroceso;
}

FiltroCaracteres::FiltroCaracteres(QLineEdit* caja, Admitido admitido, QWidget* siguiente)
    : QObject(caja), admitido_(admitido), siguiente_(siguiente) {
    caja->installEventFilter(this);
}

bool FiltroCaracteres::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto codigo = caracter_tecleado(static_cast<QKeyEvent*>(event));
    if (!codigo) return false;  // arrows, Delete, Home, End and Tab work as usual
    if (*codigo == enter) {
        siguiente_->setFocus(Qt::TabFocusReason);
        return true;
    }
    return !admitido_(*codigo);
}

}  // namespace abat
