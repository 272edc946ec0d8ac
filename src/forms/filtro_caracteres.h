#pragma once
// Filters what is typed into a text box one character at a time: a character that is not
// admitted never reaches the box, and Enter moves the focus on instead of being typed.

#include <QObject>

class QLineEdit;
class QWidget;

namespace abat {

// Aquifer boxes: digits, '+', '-', '.', 'E', 'e' and Backspace.
bool admitido_en_acuifero(char16_t c);
// Time box: digits, '.' and Backspace; no sign, no exponent.
bool admitido_en_tiempo(char16_t c);

class FiltroCaracteres : public QObject {
  public:
    using Admitido = bool (*)(char16_t);
    // Filters `caja`; Enter gives the focus to `siguiente` without pressing it.
    FiltroCaracteres(QLineEdit* caja, Admitido admitido, QWidget* siguiente);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Admitido admitido_;
    QWidget* siguiente_;
};

}  // namespace abat
