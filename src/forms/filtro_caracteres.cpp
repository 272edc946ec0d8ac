#include "forms/filtro_caracteres.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

#include "adaptadores/teclado.h"

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

bool cabe_en_celda(char16_t c) {
    const QChar::Category clase = QChar(c).category();
    return clase != QChar::Other_Control && clase != QChar::Separator_Line &&
           clase != QChar::Separator_Paragraph;
}

SoloTecleable::SoloTecleable(Admitido admitido, QObject* padre)
    : QValidator(padre), admitido_(admitido) {}

// Backspace is a key the boxes admit, never a character of their text.
QValidator::State SoloTecleable::validate(QString& texto, int& /*posicion*/) const {
    const bool tecleable = std::all_of(texto.cbegin(), texto.cend(), [this](QChar c) {
        return c.unicode() != retroceso && admitido_(c.unicode());
    });
    return tecleable ? Acceptable : Invalid;
}

FiltroCaracteres::FiltroCaracteres(QLineEdit* caja, Admitido admitido, QWidget* siguiente)
    : QObject(caja), admitido_(admitido), siguiente_(siguiente) {
    caja->installEventFilter(this);
    caja->setValidator(new SoloTecleable(admitido, caja));
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
