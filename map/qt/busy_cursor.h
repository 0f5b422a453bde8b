#pragma once
// The busy cursor while an object of this class lives: a window sets one up
// around work that may take longer than a tenth of a second (a redraw, a
// replay at a new size), so that the program never looks frozen.

#include <QGuiApplication>

namespace tavik {

class BusyCursor {
  public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace tavik
