#pragma once
// Filters what is typed into a text box one character at a time: a character that is not
// admitted never reaches the box, and Enter moves the focus on instead of being typed. A decimal
// comma typed into a number box is written as the point, the only one the number rules read.
// Select all, copy and paste work as in any text box; what is pasted, dropped or middle-clicked
// into the box is held to the keys' rule, the whole text at once.

#include <QObject>
#include <QValidator>

class QLineEdit;
class QWidget;

namespace abat {

// Aquifer boxes: digits, '+', '-', '.', 'E', 'e' and Backspace.
bool admitido_en_acuifero(char16_t c);
// Time box: digits, '.' and Backspace; no sign, no exponent.
bool admitido_en_tiempo(char16_t c);
// Cell editor: anything but control codes (tabs, line breaks) and line separators, which would
// make one cell of several.
bool cabe_en_celda(char16_t c);

// A box's text may hold only what its keys could have typed: an insertion that brings any other
// character, or a tab or a line break, changes nothing.
class SoloTecleable : public QValidator {
  public:
    using Admitido = bool (*)(char16_t);
    SoloTecleable(Admitido admitido, QObject* padre);
    State validate(QString& texto, int& posicion) const override;

  private:
    Admitido admitido_;
};

class FiltroCaracteres : public QObject {
  public:
    using Admitido = bool (*)(char16_t);
    // Filters `caja`, typed and pasted; Enter gives the focus to `siguiente` without pressing it.
    // Where `admitido` takes the point and not the comma, a comma typed while the box holds no
    // point (the selection, which the key replaces, aside) is written as the point, and dropped
    // otherwise.
    FiltroCaracteres(QLineEdit* caja, Admitido admitido, QWidget* siguiente);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void comaDecimal();

    QLineEdit* caja_;
    Admitido admitido_;
    QWidget* siguiente_;
};

}  // namespace abat
