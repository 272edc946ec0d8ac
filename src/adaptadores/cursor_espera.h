#pragma once
// The wait cursor while the user waits on the window's thread: a large field takes seconds.

#include <QGuiApplication>

namespace abat {

class CursorDeEspera {
  public:
    CursorDeEspera() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorDeEspera() { QGuiApplication::restoreOverrideCursor(); }
    CursorDeEspera(const CursorDeEspera&) = delete;
    CursorDeEspera& operator=(const CursorDeEspera&) = delete;
};

}  // namespace abat
