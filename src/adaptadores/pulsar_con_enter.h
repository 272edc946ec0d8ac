#pragma once
// Enter presses the focused button, as it does every push button of the windows: picture buttons
// (tool buttons) do not do it by themselves.

class QAbstractButton;

namespace abat {

void pulsar_con_enter(QAbstractButton* boton);

}  // namespace abat
