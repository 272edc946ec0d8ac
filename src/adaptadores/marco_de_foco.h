#pragma once
// A frame in the highlight colour around a control while it has the keyboard's focus, for a
// control that draws none of its own (a picture): drawn over it, inside its edges, so that no
// container cuts it, and gone with the focus.

class QWidget;

namespace abat {

void marcar_foco(QWidget* control);

}  // namespace abat
