#include "forms/filtro_caracteres.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>

#include "adaptadores/teclado.h"

namespace abat {
namespace {
constexpr char16_t retroceso = 8;
constexpr char16_t enter = 13;
constexpr char16_t coma = u',';
constexpr char16_t punto = u'.';
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
    : QObject(caja), caja_(caja), admitido_(admitido), siguiente_(siguiente) {
    caja->installEventFilter(this);
    caja->setValidator(new SoloTecleable(admitido, caja));
}

bool FiltroCaracteres::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* tecla = static_cast<QKeyEvent*>(event);
    if (tecla->matches(QKeySequence::SelectAll) || tecla->matches(QKeySequence::Copy) ||
        tecla->matches(QKeySequence::Paste)) {
        return false;  // the box's own; the validator holds what is pasted
    }
    const auto codigo = caracter_tecleado(tecla);
    if (!codigo) return false;  // arrows, Delete, Home, End and Tab work as usual
    if (*codigo == enter) {
        siguiente_->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (*codigo == coma && !admitido_(coma) && admitido_(punto)) {
        comaDecimal();
        return true;
    }
    return !admitido_(*codigo);
}

// Typed over the selection, as any key: the point the box would then hold is the only one.
void FiltroCaracteres::comaDecimal() {
    QString queda = caja_->text();
    if (caja_->hasSelectedText()) {
        queda.remove(caja_->selectionStart(), caja_->selectedText().size());
    }
    if (!queda.contains(QChar(punto))) caja_->insert(QString(QChar(punto)));
}

}  // namespace abat
