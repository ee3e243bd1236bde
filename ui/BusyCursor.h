#pragma once
// The busy pointer for the length of a scope. Message boxes lift every busy
// pointer while they are up (see QtPrompts), so a guard may span a box.
#include <QApplication>

namespace parlow {

class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace parlow
